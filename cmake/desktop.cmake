# SPDX-License-Identifier: MIT
# Desktop integration: the desktop entry, the AppStream metainfo that software centres read, and
# the icon in the hicolor theme, as SVG and as PNGs of the usual sizes rendered from it at build
# time (rsvg-convert).
set(VQ72_ICON ${CMAKE_SOURCE_DIR}/packaging/icons/vq72-osd.svg)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VQ72_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VQ72_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VQ72_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert REQUIRED)
set(icon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/vq72-osd.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size} -o ${png} ${VQ72_ICON}
        DEPENDS ${VQ72_ICON} VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})
