# Icon and version block of `medtool`. The icon is drawn at build time into
# ${MEDTOOL_RESOURCE_DIR}; windres finds it there through the .rc's include path.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(MEDTOOL_ICON ${MEDTOOL_RESOURCE_DIR}/medtool.ico)
set(MEDTOOL_ICON_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make_icon.py)
# The file name the version block records; the built program is copied to it.
set(MEDTOOL_DIST_NAME "BMI 与体型判读.exe")

add_custom_command(
  OUTPUT ${MEDTOOL_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MEDTOOL_RESOURCE_DIR}
  COMMAND ${Python3_EXECUTABLE} ${MEDTOOL_ICON_SCRIPT} ${MEDTOOL_ICON}
  DEPENDS ${MEDTOOL_ICON_SCRIPT}
  COMMENT "Drawing the program icon"
  VERBATIM)

set_source_files_properties(${MEDTOOL_RC} PROPERTIES
  INCLUDE_DIRECTORIES ${MEDTOOL_RESOURCE_DIR}
  OBJECT_DEPENDS ${MEDTOOL_ICON})
set_source_files_properties(${MEDTOOL_ICON} PROPERTIES HEADER_FILE_ONLY ON)

set(MEDTOOL_RESOURCE_SOURCES ${MEDTOOL_RC} ${MEDTOOL_ICON})
