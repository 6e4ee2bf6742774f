add_executable(bench_command_line ${CMAKE_CURRENT_LIST_DIR}/command_line_bench.cpp)
target_link_libraries(bench_command_line PRIVATE gs_startup benchmark::benchmark)
