# The program that writes the validation report from the tool definitions and
# the worked examples with the engine the programs link; scripts/package.sh
# runs the Windows build under Wine. Not handed out.
add_executable(validation_report ${CMAKE_CURRENT_LIST_DIR}/validation_report_main.cpp)
# The self-test's object in medcore names the built-in tool: medbuiltin119 once more after it.
target_link_libraries(validation_report PRIVATE medplatform medcore medbuiltin119)
target_compile_definitions(validation_report PRIVATE MEDTOOL_VERSION="${PROJECT_VERSION}")
