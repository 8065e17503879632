kalvex_add_qttest(unit_order_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit_order_dlg_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(groups_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/groups_dlg_test.cpp
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
kalvex_add_qttest(editing_accessibility_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/editing_accessibility_test.cpp ${CMAKE_CURRENT_LIST_DIR}/group_editor_fixture.h
    ${PROJECT_SOURCE_DIR}/tests/ui/support/unnamed_controls.h
  LIBS kalvex_ui kalvex_testing)
