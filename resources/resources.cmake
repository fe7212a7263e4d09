# The icon every program carries, drawn at build time into
# ${MEDTOOL_RESOURCE_DIR}; windres finds it there through the .rc's include path.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(MEDTOOL_ICON ${MEDTOOL_RESOURCE_DIR}/medtool.ico)
set(MEDTOOL_ICON_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make_icon.py)
set(MEDTOOL_RC_TEMPLATE ${CMAKE_CURRENT_SOURCE_DIR}/resources/program.rc.in)

add_custom_command(
  OUTPUT ${MEDTOOL_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MEDTOOL_RESOURCE_DIR}
  COMMAND ${Python3_EXECUTABLE} ${MEDTOOL_ICON_SCRIPT} ${MEDTOOL_ICON}
  DEPENDS ${MEDTOOL_ICON_SCRIPT}
  COMMENT "Drawing the program icon"
  VERBATIM)
add_custom_target(medtool_icon DEPENDS ${MEDTOOL_ICON})

# The version block of one program: its tool's name as product name, with
# " V1.0" as file description and with ".exe" as the file name it records.
function(medtool_program_resources target tool_name out_var)
  set(TOOL_NAME "${tool_name}")
  set(TOOL_TARGET "${target}")
  set(rc ${MEDTOOL_RESOURCE_DIR}/${target}.rc)
  configure_file(${MEDTOOL_RC_TEMPLATE} ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES
    INCLUDE_DIRECTORIES ${MEDTOOL_RESOURCE_DIR}
    OBJECT_DEPENDS ${MEDTOOL_ICON})
  set(${out_var} ${rc} PARENT_SCOPE)
endfunction()
