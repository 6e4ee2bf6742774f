# The settings dialog (Qt Widgets); moc runs for this target only.
add_library(gs_setup_dialog STATIC
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/error_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_setup_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup.h)
set_target_properties(gs_setup_dialog PROPERTIES AUTOMOC ON)
target_link_libraries(gs_setup_dialog PUBLIC gs_settings Qt6::Widgets)

# The offline help page lives in the data folder.
add_custom_command(OUTPUT ${GS_DATA_DIR}/support.htm
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/support.htm ${GS_DATA_DIR}/support.htm
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/support.htm
  COMMENT "Copying the help page into the data folder")
add_custom_target(gs_support_page ALL DEPENDS ${GS_DATA_DIR}/support.htm)
add_dependencies(gs_setup_dialog gs_support_page)

add_executable(gobbleshot1-setup ${CMAKE_CURRENT_LIST_DIR}/setup_main.cpp)
target_link_libraries(gobbleshot1-setup PRIVATE gs_setup_dialog)
set_target_properties(gobbleshot1-setup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
