# Control behaviours shared by the dialogs: ids, context help, image buttons and the six
# control classes.
target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/centring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/centring.h
  ${CMAKE_CURRENT_LIST_DIR}/add_unit_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/add_unit_command.h
  ${CMAKE_CURRENT_LIST_DIR}/button_artwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_artwork.h
  ${CMAKE_CURRENT_LIST_DIR}/context_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/context_help.h
  ${CMAKE_CURRENT_LIST_DIR}/control_id.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_id.h
  ${CMAKE_CURRENT_LIST_DIR}/derive_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/derive_report.h
  ${CMAKE_CURRENT_LIST_DIR}/drag_list_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_list_box.h
  ${CMAKE_CURRENT_LIST_DIR}/fitting_scroll_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fitting_scroll_area.h
  ${CMAKE_CURRENT_LIST_DIR}/focus_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/focus_button.h
  ${CMAKE_CURRENT_LIST_DIR}/focus_scroll_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/focus_scroll_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/value_slider_accessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_slider_accessible.h
  ${CMAKE_CURRENT_LIST_DIR}/image_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_button.h
  ${CMAKE_CURRENT_LIST_DIR}/paste_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paste_control.h
  ${CMAKE_CURRENT_LIST_DIR}/plain_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plain_text.h
  ${CMAKE_CURRENT_LIST_DIR}/unit_combo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_combo_box.h
  ${CMAKE_CURRENT_LIST_DIR}/unit_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit_edit.h
  ${CMAKE_CURRENT_LIST_DIR}/value_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_edit.h
)
