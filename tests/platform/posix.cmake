# POSIX implementations of the platform services (no Qt).
kalvex_add_gtest(kalvex_platform_posix_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ini_profile_reader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lz_file_copier_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regular_file_test.cpp
  LIBS kalvex_platform_posix kalvex_testing)
