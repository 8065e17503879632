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
# Exchange rate update through the real windows, from a server inside the test on 127.0.0.1.
kalvex_add_qttest(exchange_rates_scenario_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/exchange_rates_scenario_test.cpp
  LIBS kalvex_ui kalvex_testing Qt6::Network)
target_compile_definitions(exchange_rates_scenario_test PRIVATE
  KALVEX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
kalvex_copy_network_module(exchange_rates_scenario_test)
# The import command of the real program, without a display.
kalvex_add_qttest(import_command_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_command_test.cpp
  LIBS kalvex_storage Qt6::Core)
target_compile_definitions(import_command_test PRIVATE KALVEX_PROGRAM="$<TARGET_FILE:kalvex>"
  KALVEX_LIBRARY_DIR="${KALVEX_LIBRARY_DIR}")
add_dependencies(import_command_test kalvex)
