# The push-button images, numbered by control id + 1000 (normal), + 3000 (pressed) and + 5000
# (focused), and the images some dialogs draw for a disabled button. Vector art, so buttons
# stay sharp at any screen scale. They hold the faces only: a button draws its caption in its
# window's font.
file(GLOB KALVEX_BUTTON_IMAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.svg)
qt_add_resources(kalvex_ui "kalvex_buttons"
  PREFIX "/buttons"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${KALVEX_BUTTON_IMAGES})
