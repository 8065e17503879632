# Group icons of the launcher, drawn as vectors so they stay crisp at any screen scale.
set(KALVEX_GROUP_ICONS
  temperature distance mass volume area angle power energy pressure time force density
  velocity money acceleration custom)
list(TRANSFORM KALVEX_GROUP_ICONS REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/\\1.svg")
qt_add_resources(kalvex_ui "group_icons"
  PREFIX "/icons"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${KALVEX_GROUP_ICONS})
