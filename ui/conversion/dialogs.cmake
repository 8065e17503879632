# Conversion windows: the two group conversion layouts and the temperature dialog.
target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/conversion_ids.h
  ${CMAKE_CURRENT_LIST_DIR}/slider_scale.h
  ${CMAKE_CURRENT_LIST_DIR}/slider_scale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slider_end.h
  ${CMAKE_CURRENT_LIST_DIR}/slider_end.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversion_templates.h
  ${CMAKE_CURRENT_LIST_DIR}/conversion_templates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversion_help.h
  ${CMAKE_CURRENT_LIST_DIR}/conversion_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_clipboard.h
  ${CMAKE_CURRENT_LIST_DIR}/field_clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_rows_focus.h
  ${CMAKE_CURRENT_LIST_DIR}/result_rows_focus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_dlg_base.h
  ${CMAKE_CURRENT_LIST_DIR}/value_dlg_base.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_conversion_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/group_conversion_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/conversion_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/all_units_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/all_units_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/temperature_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/temperature_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exchange_rates_update.h
  ${CMAKE_CURRENT_LIST_DIR}/exchange_rates_update.cpp)
