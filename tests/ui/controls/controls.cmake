kalvex_add_qttest(controls_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  LIBS kalvex_ui kalvex_testing)
