# Tests of the Qt implementations of the platform services.
kalvex_add_gtest(kalvex_qsettings_store_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qsettings_store_test.cpp
  LIBS kalvex_platform
)
