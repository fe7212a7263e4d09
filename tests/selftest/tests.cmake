# The real program's --selftest under Wine, compared byte for byte.
if(WIN32)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME selftest_exe_bytes
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_selftest.py
                   ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:medtool>)
  set_tests_properties(selftest_exe_bytes PROPERTIES TIMEOUT 300)
endif()
