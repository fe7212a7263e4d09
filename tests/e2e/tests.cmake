# The windows' end-to-end test: every program of the suite under Wine on a
# virtual display, driven by a Win32 program of the project's own that also
# links the core, to read the tools and compute what each window should show.
if(WIN32)
  add_executable(window_driver ${CMAKE_CURRENT_LIST_DIR}/window_driver_win32.cpp)
  target_link_libraries(window_driver PRIVATE medplatform medtools user32 gdi32 shell32)
  target_link_options(window_driver PRIVATE -municode)
  # "<number> <program>" per program, in the order of the suite.
  set(e2e_programs)
  foreach(entry IN LISTS MEDTOOL_PROGRAMS)
    medtool_split("${entry}" target number)
    list(APPEND e2e_programs ${number} $<TARGET_FILE:${target}>)
  endforeach()
  add_test(NAME e2e.window
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run.sh $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR}/e2e
                   ${CMAKE_BINARY_DIR}/wineprefix-e2e ${e2e_programs})
  set_tests_properties(e2e.window PROPERTIES TIMEOUT 900)
endif()
