kalvex_add_qttest(group_editor_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/group_editor_test.cpp
  LIBS kalvex_ui kalvex_testing)
