set(GS_CATALOGUE_SOURCES ${CMAKE_SOURCE_DIR}/src/display/sprite_catalogue.cpp)
