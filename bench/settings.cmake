add_executable(bench_settings ${CMAKE_CURRENT_LIST_DIR}/settings_bench.cpp)
target_link_libraries(bench_settings PRIVATE gs_settings benchmark::benchmark)
