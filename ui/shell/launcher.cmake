target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/kalvex_view.h
  ${CMAKE_CURRENT_LIST_DIR}/kalvex_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_accessible.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_accessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_commands.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_grid.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_group_list.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_group_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_icons.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_label.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_texts.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_texts.cpp)
