# The user guide's composition runs with the core's tests in every build; the
# installer and the zip are checked by scripts/test.sh after scripts/package.sh.
target_sources(core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/user_guide_test.cpp)
