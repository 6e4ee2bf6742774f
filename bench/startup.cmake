add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_compile_definitions(startup_bench PRIVATE GS_BUILD_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(startup_bench gobbleshot1)
