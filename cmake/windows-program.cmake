# The programs: one GUI-subsystem executable per tool of the suite, each with
# a wide entry point, the icon and a version block of its own, linking the one
# core and exactly one tool's data. Tool 119 keeps the short target name
# medtool; the others are medtool<number>. Each is also left under the file
# name its version block records, "<name>.exe".
set(MEDTOOL_RESOURCE_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources)
include(${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake)

# "<target>|<number>|<name>" per program, in the order of the suite.
set(MEDTOOL_PROGRAMS)
foreach(entry IN LISTS MEDTOOL_SUITE)
  medtool_split("${entry}" tool_number tool_name)
  if(tool_number EQUAL 119)
    set(target medtool)
  else()
    set(target medtool${tool_number})
  endif()
  medtool_program_resources(${target} "${tool_name}" program_rc)
  add_executable(${target} WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/app/program_main_win32.cpp
                                 ${CMAKE_CURRENT_SOURCE_DIR}/app/builtin_tool.cpp ${program_rc})
  add_dependencies(${target} medtool_icon)
  target_compile_definitions(${target} PRIVATE MEDTOOL_BUILTIN_TOOL=tool${tool_number})
  target_link_libraries(${target} PRIVATE medcore medtools)
  # Symbols stripped: the handed-out program needs none.
  target_link_options(${target} PRIVATE -municode -s)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> "$<TARGET_FILE_DIR:${target}>/${tool_name}.exe"
    VERBATIM)
  list(APPEND MEDTOOL_PROGRAMS "${target}|${tool_number}|${tool_name}")
endforeach()

# The launcher: one window that finds the suite's tools and starts their
# programs from its own folder. It carries the tools' texts, never their
# calculation or window code. "<target>|launcher|<name>", as a program's row.
set(MEDTOOL_LAUNCHER_NAME "临床计算工具箱" CACHE INTERNAL "the launcher's program name")
medtool_program_resources(medlauncher "${MEDTOOL_LAUNCHER_NAME}" launcher_rc)
add_executable(medlauncher WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/launcher/launcher_main_win32.cpp ${launcher_rc})
add_dependencies(medlauncher medtool_icon)
target_link_libraries(medlauncher PRIVATE medcore medtools)
target_link_options(medlauncher PRIVATE -municode -s)
add_custom_command(TARGET medlauncher POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:medlauncher>
          "$<TARGET_FILE_DIR:medlauncher>/${MEDTOOL_LAUNCHER_NAME}.exe"
  VERBATIM)
set(MEDTOOL_LAUNCHER "medlauncher|launcher|${MEDTOOL_LAUNCHER_NAME}")
