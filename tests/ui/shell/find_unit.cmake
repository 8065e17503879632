kalvex_add_qttest(find_unit_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/find_unit_test.cpp
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
