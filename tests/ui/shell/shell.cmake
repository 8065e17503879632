kalvex_add_qttest(main_frame_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/main_frame_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(shell_parts_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_parts_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(kalvex_app_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/kalvex_app_test.cpp
  LIBS kalvex_ui kalvex_testing)
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
