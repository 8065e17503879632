# Tests of the Qt implementations of the platform services.
kalvex_add_gtest(kalvex_qsettings_store_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qsettings_store_test.cpp
  LIBS kalvex_platform
)
kalvex_add_qttest(single_instance_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
  LIBS kalvex_platform
)
kalvex_add_qttest(font_database_warm_up_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/font_database_warm_up_test.cpp
  LIBS kalvex_platform
)
kalvex_add_qttest(qt_message_service_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt_message_service_test.cpp
  LIBS kalvex_platform
)
# Downloads through the network module, from a server inside the test on 127.0.0.1.
kalvex_add_qttest(network_download_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/network_download_test.cpp
  LIBS kalvex_platform Qt6::Network)
kalvex_copy_network_module(network_download_test)
# The settings file read without the toolkit, against the toolkit's own store.
kalvex_add_gtest(plain_settings_file_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/plain_settings_file_test.cpp
  LIBS kalvex_platform_qtcore)
# The help window with the program's own help pages, which the user interface library carries.
kalvex_add_qttest(help_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/help_window_test.cpp
  LIBS kalvex_ui)
