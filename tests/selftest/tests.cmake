# Every program's --selftest under Wine, each file compared byte for byte.
if(WIN32)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(selftest_programs)
  foreach(program IN LISTS MEDTOOL_PROGRAMS)
    medtool_split("${program}" target number)
    list(APPEND selftest_programs "${number}=$<TARGET_FILE:${target}>")
  endforeach()
  add_test(NAME selftest_exe_bytes
           COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_LIST_DIR}/check_selftest.py
                   ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_CURRENT_LIST_DIR}/expected
                   ${selftest_programs})
  set_tests_properties(selftest_exe_bytes PROPERTIES TIMEOUT 300)
endif()
