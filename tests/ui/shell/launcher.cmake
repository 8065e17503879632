kalvex_add_qttest(launcher_grid_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/launcher_grid_test.cpp
  LIBS kalvex_ui)
kalvex_add_qttest(kalvex_view_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/kalvex_view_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/launcher_fixture.h
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
kalvex_add_qttest(group_editing_scenario_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/group_editing_scenario_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/launcher_fixture.h
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
kalvex_add_qttest(custom_groups_scenario_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/custom_groups_scenario_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/launcher_fixture.h
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
# The rows of the conversion windows against the command line's, computed in this process.
kalvex_add_qttest(rows_agree_scenario_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/rows_agree_scenario_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/launcher_fixture.h
  LIBS kalvex_command_line kalvex_ui kalvex_testing kalvex_platform_posix)
# The launcher without a mouse: its menu, the menu bar and help mode from the keyboard.
kalvex_add_qttest(launcher_keyboard_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/launcher_keyboard_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/launcher_fixture.h
  LIBS kalvex_ui kalvex_testing kalvex_platform_posix)
