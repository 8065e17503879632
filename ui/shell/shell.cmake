target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accelerator_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/context_help_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/factor_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kalvex_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signal_close.h
  ${CMAKE_CURRENT_LIST_DIR}/signal_close.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reporting_settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_prompts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sys_info_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sys_info_format.cpp)
