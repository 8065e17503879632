# Group icons of the launcher, drawn as vectors so they stay crisp at any screen scale.
set(KALVEX_GROUP_ICON_NAMES
  temperature distance mass volume area angle power energy pressure time force density
  velocity money acceleration custom)
list(TRANSFORM KALVEX_GROUP_ICON_NAMES REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/\\1.svg"
  OUTPUT_VARIABLE KALVEX_GROUP_ICONS)
qt_add_resources(kalvex_ui "group_icons"
  PREFIX "/icons"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES ${KALVEX_GROUP_ICONS})

# The same icons drawn at build time at the usual launcher size (32) for screen scales 1, 2
# and 3 ("<name>-32@<scale>x.png"); other sizes and scales are drawn from the vectors.
set(prerendered_icons_dir ${CMAKE_CURRENT_BINARY_DIR}/prerendered_icons)
set(prerendered_icons "")
foreach(name IN LISTS KALVEX_GROUP_ICON_NAMES)
  kalvex_prerender_svg(prerendered_icons ${CMAKE_CURRENT_LIST_DIR}/${name}.svg
    ${prerendered_icons_dir} ${name}-32 32 1 2 3)
endforeach()
qt_add_resources(kalvex_ui "prerendered_icons"
  PREFIX "/icons"
  BASE ${prerendered_icons_dir}
  FILES ${prerendered_icons})
