if(TARGET gs_setup_dialog)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  gs_add_test(NAME setup_dialog_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/setup_test.cpp
    LIBS gs_setup_dialog Qt6::Test)
endif()
