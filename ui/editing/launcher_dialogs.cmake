target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/unit_order_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/unit_order_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/groups_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/groups_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_name_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/group_name_dlg.cpp)
