kalvex_add_qttest(group_editor_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/group_editor_test.cpp ${CMAKE_CURRENT_LIST_DIR}/group_editor_fixture.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(group_editor_dialog_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/group_editor_dialog_test.cpp ${CMAKE_CURRENT_LIST_DIR}/group_editor_fixture.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_gtest(group_def_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/group_def_rules_test.cpp
  LIBS kalvex_ui)
