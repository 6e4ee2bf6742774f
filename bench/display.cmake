add_executable(bench_display ${CMAKE_CURRENT_LIST_DIR}/display_bench.cpp)
target_link_libraries(bench_display PRIVATE gs_display_sdl benchmark::benchmark)
