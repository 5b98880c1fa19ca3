# SPDX-License-Identifier: MIT
# Installation (debian/ packages the same tree): the programs in lib/vq72-osd, linked from bin,
# the manual in share/doc/vq72-osd, a desktop entry and its icon, and the sender's bash
# completion. The man pages install from docs/man.
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
    install(FILES ${VQ72_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vq72-osd)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/desktop.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/completion/vq72-osd-send
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
