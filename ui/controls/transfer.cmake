# Value transfer between lists: the drag protocol, its string list and transfer file.
target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drag_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_messages.h
  ${CMAKE_CURRENT_LIST_DIR}/drag_tracker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_tracker.h
  ${CMAKE_CURRENT_LIST_DIR}/str_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/str_list.h
  ${CMAKE_CURRENT_LIST_DIR}/transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer.h
)
