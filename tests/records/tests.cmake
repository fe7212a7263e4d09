# The record files read back by Python's csv module.
add_executable(record_log_generator ${CMAKE_CURRENT_LIST_DIR}/record_log_generator.cpp)
target_link_libraries(record_log_generator PRIVATE medplatform)
add_test(NAME RecordLog.CsvReadsBackInPython
         COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/read_csv.py $<TARGET_FILE:record_log_generator>
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
