kalvex_add_qttest(conversion_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg_test.cpp ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(conversion_factors_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/conversion_factors_test.cpp ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(conversion_layout_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/conversion_layout_test.cpp ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(temperature_dlg_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/temperature_dlg_test.cpp
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(help_beside_dialog_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/help_beside_dialog_test.cpp ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(short_screen_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/short_screen_test.cpp ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
kalvex_add_qttest(conversion_accessibility_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/conversion_accessibility_test.cpp ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg_fixture.h
    ${CMAKE_CURRENT_LIST_DIR}/test_groups.h
  LIBS kalvex_ui kalvex_testing)
