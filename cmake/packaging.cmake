# SPDX-License-Identifier: MIT
# Installation and the Debian package: the programs and the manual in lib/vq72-osd, linked from
# bin, a desktop entry and its icon, and the sender's bash completion. The man pages install from
# docs/man.
include(GNUInstallDirs)
set(VQ72_LIBEXEC lib/vq72-osd)

set(VQ72_INSTALLED_PROGRAMS vq72-osd)
foreach(tool vq72-osd-send vq72-osd-sim)
    if(TARGET ${tool})
        list(APPEND VQ72_INSTALLED_PROGRAMS ${tool})
    endif()
endforeach()

install(TARGETS ${VQ72_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${VQ72_LIBEXEC})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
foreach(program ${VQ72_INSTALLED_PROGRAMS})
    file(CREATE_LINK ../${VQ72_LIBEXEC}/${program} ${CMAKE_BINARY_DIR}/install-links/${program} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/install-links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
if(VQ72_MANUAL_PDF)
    install(FILES ${VQ72_MANUAL_PDF} DESTINATION ${VQ72_LIBEXEC})
endif()
include(${CMAKE_CURRENT_LIST_DIR}/desktop.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/completion/vq72-osd-send
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vq72-osd)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Flarn)
set(CPACK_PACKAGE_CONTACT "VQ72_OSD developers <vq72-osd@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "On-screen-display text loader for VQ72xx video devices")
set(CPACK_PACKAGE_DESCRIPTION "Loads one line of on-screen-display text into a VQ7240 video device over a serial line and keeps the link to the device alive.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
