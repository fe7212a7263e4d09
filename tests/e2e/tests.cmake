# The window's end-to-end test: the real program under Wine on a virtual
# display, driven by a Win32 program of the project's own.
if(WIN32)
  add_executable(window_driver ${CMAKE_CURRENT_LIST_DIR}/window_driver_win32.cpp)
  target_link_libraries(window_driver PRIVATE user32 gdi32 shell32)
  target_link_options(window_driver PRIVATE -municode)
  add_test(NAME e2e.window
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run.sh $<TARGET_FILE:window_driver> $<TARGET_FILE:medtool>
                   ${CMAKE_BINARY_DIR}/e2e ${CMAKE_BINARY_DIR}/wineprefix-e2e)
  set_tests_properties(e2e.window PROPERTIES TIMEOUT 280)
endif()
