# The product: a GUI-subsystem executable with a wide entry point, its icon
# and version block, left as well under the file name its version block records.
set(MEDTOOL_RESOURCE_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources)
set(MEDTOOL_RC ${CMAKE_CURRENT_SOURCE_DIR}/resources/medtool.rc)
set(program_sources ${CMAKE_CURRENT_SOURCE_DIR}/app/program_main_win32.cpp)
if(EXISTS ${MEDTOOL_RC})
  include(${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.cmake OPTIONAL)
endif()
add_executable(medtool WIN32 ${program_sources} ${MEDTOOL_RESOURCE_SOURCES})
target_link_libraries(medtool PRIVATE medplatform)
# Symbols stripped: the handed-out program needs none.
target_link_options(medtool PRIVATE -municode -s)
if(MEDTOOL_DIST_NAME)
  add_custom_command(TARGET medtool POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:medtool> "$<TARGET_FILE_DIR:medtool>/${MEDTOOL_DIST_NAME}"
    VERBATIM)
endif()
