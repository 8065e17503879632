# The program icon and the splash picture (bitmap 131), as vectors for sharp HiDPI drawing.
qt_add_resources(kalvex_ui "program_images"
  PREFIX "/images"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/kalvex.svg
    ${CMAKE_CURRENT_LIST_DIR}/splash_131.svg)
