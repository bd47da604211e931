# The Linux installation and its Debian package.
configure_file(packaging/linux/varnholt.desktop.in ${generated_dir}/${VARNHOLT_APP_ID}.desktop @ONLY)
configure_file(packaging/linux/varnholt.metainfo.xml.in
    ${generated_dir}/${VARNHOLT_APP_ID}.metainfo.xml @ONLY)

# Installation: the program, its desktop entry, AppStream metadata and icons, its manual page,
# and the documents a Debian package carries. All in one component, which the package is made of.
include(GNUInstallDirs)
set(VARNHOLT_COMPONENT varnholt)
install(TARGETS varnholt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${VARNHOLT_COMPONENT})
install(FILES ${generated_dir}/${VARNHOLT_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${VARNHOLT_COMPONENT})
install(FILES ${generated_dir}/${VARNHOLT_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${VARNHOLT_COMPONENT})
foreach(size IN LISTS VARNHOLT_ICON_SIZES)
    install(FILES ${VARNHOLT_ICON_THEME_DIR}/${size}x${size}/apps/${VARNHOLT_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        COMPONENT ${VARNHOLT_COMPONENT})
endforeach()
install(FILES res/art/varnholt.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${VARNHOLT_APP_ID}.svg COMPONENT ${VARNHOLT_COMPONENT})

# The manual page and the changelog are compressed with gzip -9n, as Debian wants them: the
# most compression, and no file name or time stamp in the header, so builds are reproducible.
configure_file(packaging/linux/varnholt.1.in ${generated_dir}/varnholt.1 @ONLY)
configure_file(packaging/linux/changelog.in ${generated_dir}/changelog @ONLY)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
foreach(document varnholt.1 changelog)
    add_custom_command(OUTPUT ${generated_dir}/${document}.gz
        COMMAND ${GZIP_EXECUTABLE} -9nkf ${generated_dir}/${document}
        DEPENDS ${generated_dir}/${document}
        COMMENT "Compressing ${document}"
        VERBATIM)
endforeach()
add_custom_target(varnholt_documents ALL
    DEPENDS ${generated_dir}/varnholt.1.gz ${generated_dir}/changelog.gz)
install(FILES ${generated_dir}/varnholt.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${VARNHOLT_COMPONENT})
install(FILES ${generated_dir}/copyright ${generated_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT ${VARNHOLT_COMPONENT})

# Packaging, last, once every install rule is known: cpack -G DEB makes
# varnholt_VERSION_ARCH.deb, installing into /usr.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${VARNHOLT_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${VARNHOLT_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VARNHOLT_WEB_ADDRESS}")
# All four numbers: CPack's default keeps only the first three.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VARNHOLT_SUMMARY}")
# Lines of at most 80 characters: the package tools show them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "For a feed-line cable open- or short-circuited at its far end, the calculator"
    "converts, live as you type, between the cable's specific loss in dB per 100 m"
    "and the standing-wave ratio (SWR) at its near end, given the cable's length in"
    "metres. Measuring the SWR of such a cable thus gives its loss, and a known loss"
    "gives the SWR to expect.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the program's component goes into the package, whatever else may have install rules.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${VARNHOLT_COMPONENT};/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNHOLT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VARNHOLT_WEB_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_SOURCE_GENERATOR TGZ)
# Regular expressions, escaped once more for the generated CPack configuration.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.cache/" "/build[^/]*/")
include(CPack)
