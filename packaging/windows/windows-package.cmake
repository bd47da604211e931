# Installation and packages of the Windows build: Varnholt.exe and the terms of use, as a
# portable zip and as an NSIS installer with a Start-menu entry and an uninstaller.
# `cpack` in the build folder makes both.
set(VARNHOLT_COMPONENT varnholt)
install(TARGETS varnholt RUNTIME DESTINATION . COMPONENT ${VARNHOLT_COMPONENT})
# The terms of use, under a name and with line ends that Windows' own editor opens.
file(READ ${generated_dir}/copyright terms)
string(REPLACE "\n" "\r\n" terms "${terms}")
file(WRITE ${generated_dir}/copyright.txt "${terms}")
install(FILES ${generated_dir}/copyright.txt DESTINATION . COMPONENT ${VARNHOLT_COMPONENT})

set(CPACK_PACKAGE_NAME Varnholt)
set(CPACK_PACKAGE_VENDOR "${VARNHOLT_DEVELOPER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VARNHOLT_SUMMARY}")
set(CPACK_PACKAGE_FILE_NAME Varnholt-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Varnholt)
set(CPACK_RESOURCE_FILE_LICENSE ${generated_dir}/copyright.txt)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${VARNHOLT_COMPONENT};/")
# The zip unpacks into one folder named as the package.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The installer: 64-bit Program Files, the program's icon for itself and its uninstaller, one
# Start-menu entry, and an entry in Windows' list of installed programs.
set(CPACK_NSIS_PACKAGE_NAME "${VARNHOLT_VERSIONINFO_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${VARNHOLT_VERSIONINFO_PRODUCT_NAME} ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${VARNHOLT_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VARNHOLT_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME Varnholt.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${VARNHOLT_WEB_ADDRESS}")
set(CPACK_NSIS_MENU_LINKS Varnholt.exe "${VARNHOLT_VERSIONINFO_PRODUCT_NAME}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for the 64-bit program; it also runs on a 64-bit-only Wine.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
