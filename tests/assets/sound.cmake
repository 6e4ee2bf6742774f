# Checks of the generated wave files and of the synthesis behind them.
gs_add_test(NAME sound_assets_tests
            SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/sound_files_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/sound_synthesis_test.cpp
            LIBS gs_soundgen_lib)
target_compile_definitions(sound_assets_tests PRIVATE GS_SOUNDGEN="$<TARGET_FILE:gs_soundgen>")
add_dependencies(sound_assets_tests gs_sound)
