# The group definition editor and its working copy.
target_sources(kalvex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/factor_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/factor_text.h
  ${CMAKE_CURRENT_LIST_DIR}/group_def_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_def_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/group_def_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_def_form.h
  ${CMAKE_CURRENT_LIST_DIR}/group_def_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_def_rules.h
  ${CMAKE_CURRENT_LIST_DIR}/group_working_copy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_working_copy.h
  ${CMAKE_CURRENT_LIST_DIR}/status_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_line.h
)
