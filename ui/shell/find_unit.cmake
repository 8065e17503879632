target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_bar_hint.h
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_bar_hint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_list.h
  ${CMAKE_CURRENT_LIST_DIR}/find_unit_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_pane.h
  ${CMAKE_CURRENT_LIST_DIR}/launcher_pane.cpp)
