add_executable(bench_message ${CMAKE_CURRENT_LIST_DIR}/message_bench.cpp)
target_link_libraries(bench_message PRIVATE gs_display_sdl benchmark::benchmark)
