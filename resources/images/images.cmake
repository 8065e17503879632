# The program icon and the splash picture (bitmap 131), as vectors for sharp HiDPI drawing.
qt_add_resources(kalvex_ui "program_images"
  PREFIX "/images"
  BASE ${CMAKE_CURRENT_LIST_DIR}
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/kalvex.svg
    ${CMAKE_CURRENT_LIST_DIR}/splash_131.svg)

# The pictures shown before the main window appears are drawn from vectors at build time, at
# the screen scales 1, 2 and 3, so start-up loads small PNGs instead of rendering vectors.
add_executable(kalvex_svg_to_png ${CMAKE_CURRENT_LIST_DIR}/svg_to_png.cpp)
target_link_libraries(kalvex_svg_to_png PRIVATE kalvex_options Qt6::Gui Qt6::Svg)

# Appends to out_var the PNGs "<stem>@<scale>x.png" drawn from svg into out_dir: the image's
# own size (side empty) or a square of side, each times scale.
function(kalvex_prerender_svg out_var svg out_dir stem side)
  set(pngs ${${out_var}})
  foreach(scale IN LISTS ARGN)
    set(png ${out_dir}/${stem}@${scale}x.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND kalvex_svg_to_png ${svg} ${png} ${scale} ${side}
      DEPENDS kalvex_svg_to_png ${svg}
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()

set(prerendered_images_dir ${CMAKE_CURRENT_BINARY_DIR}/prerendered_images)
set(prerendered_images "")
kalvex_prerender_svg(prerendered_images ${CMAKE_CURRENT_LIST_DIR}/splash_131.svg
  ${prerendered_images_dir} splash_131 "" 1 2 3)
# The window icon at the sizes desktops ask for.
foreach(side 16 32 64 128)
  kalvex_prerender_svg(prerendered_images ${CMAKE_CURRENT_LIST_DIR}/kalvex.svg
    ${prerendered_images_dir} kalvex-${side} ${side} 1)
endforeach()
qt_add_resources(kalvex_ui "prerendered_images"
  PREFIX "/images"
  BASE ${prerendered_images_dir}
  FILES ${prerendered_images})
