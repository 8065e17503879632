kalvex_add_qttest(find_unit_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/find_unit_test.cpp
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
target_compile_definitions(find_unit_test PRIVATE KALVEX_LIBRARY_DIR="${KALVEX_LIBRARY_DIR}")
