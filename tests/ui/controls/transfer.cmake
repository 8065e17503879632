kalvex_add_qttest(transfer_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/transfer_test.cpp
  LIBS kalvex_ui kalvex_testing)
