add_executable(show_bench ${CMAKE_CURRENT_LIST_DIR}/show_bench.cpp)
target_link_libraries(show_bench PRIVATE gs_startup gs_scene_host gs_display_sdl gs_settings benchmark::benchmark)
target_compile_definitions(show_bench PRIVATE GS_DATA_DIR="${GS_DATA_DIR}")
