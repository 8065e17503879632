# Help pages by context number: topics.txt maps each number to its page.
file(GLOB KALVEX_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.html)
qt_add_resources(kalvex_ui "help_pages"
  PREFIX "/help"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${CMAKE_CURRENT_LIST_DIR}/topics.txt ${KALVEX_HELP_PAGES})
