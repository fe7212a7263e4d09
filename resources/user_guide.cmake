# The program that writes the user guide and the program list from the
# suite's tool definitions; scripts/package.sh runs it.
add_executable(user_guide ${CMAKE_CURRENT_LIST_DIR}/user_guide_main.cpp)
target_link_libraries(user_guide PRIVATE medplatform)
