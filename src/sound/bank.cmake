set(GS_SOUND_BANK_SOURCES ${CMAKE_SOURCE_DIR}/src/sound/sound_bank.cpp)
