kalvex_add_qttest(unit_order_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit_order_dlg_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(groups_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/groups_dlg_test.cpp
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
