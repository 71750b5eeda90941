# The desktop programs in the application menu, with their icons, the file
# types they open and their software-centre entries (freedesktop.org layout).

# Each desktop program with its AppStream component id.
set(VORLA_DESKTOP_PROGRAMS vorla-xw skeva-xw qdot-xw)
set(VORLA_APP_ID_vorla-xw org.vorla.VorlaXW)
set(VORLA_APP_ID_skeva-xw org.vorla.SkevaXW)
set(VORLA_APP_ID_qdot-xw org.vorla.QdotXW)

# The fixed sizes of the hicolor theme that menus, panels and file managers ask
# for; the SVG serves every other size.
set(VORLA_ICON_SIZES 16 22 24 32 48 64 128 256)

set(icon_pngs)
foreach(program IN LISTS VORLA_DESKTOP_PROGRAMS)
  install(FILES desktop/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  set(svg ${CMAKE_CURRENT_SOURCE_DIR}/icons/${program}.svg)
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS VORLA_ICON_SIZES)
    set(png_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
    set(png ${png_dir}/${program}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${png_dir}
      COMMAND render_icon ${svg} ${size} ${png}
      DEPENDS render_icon ${svg}
      COMMENT "Drawing the ${size}x${size} icon of ${program}"
      VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()

  set(app_id ${VORLA_APP_ID_${program}})
  configure_file(metainfo/${app_id}.metainfo.xml.in
    ${CMAKE_CURRENT_BINARY_DIR}/metainfo/${app_id}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/metainfo/${app_id}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()
add_custom_target(vorla_icons ALL DEPENDS ${icon_pngs})

install(FILES mime/vorla.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
