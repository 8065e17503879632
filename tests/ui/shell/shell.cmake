kalvex_add_qttest(main_frame_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/main_frame_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(shell_parts_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_parts_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(kalvex_app_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/kalvex_app_test.cpp
  LIBS kalvex_ui kalvex_testing)

# The real program, started as a user would start it.
kalvex_add_qttest(kalvex_e2e_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/kalvex_e2e_test.cpp
  LIBS kalvex_options Qt6::Core)
target_compile_definitions(kalvex_e2e_test PRIVATE KALVEX_PROGRAM="$<TARGET_FILE:kalvex>")
add_dependencies(kalvex_e2e_test kalvex)
kalvex_add_qttest(program_images_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/program_images_test.cpp
  LIBS kalvex_ui)
# The import command of the real program, without a display.
kalvex_add_qttest(import_command_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_command_test.cpp
  LIBS kalvex_options Qt6::Core)
target_compile_definitions(import_command_test PRIVATE KALVEX_PROGRAM="$<TARGET_FILE:kalvex>"
  KALVEX_LIBRARY_DIR="${KALVEX_LIBRARY_DIR}")
add_dependencies(import_command_test kalvex)
