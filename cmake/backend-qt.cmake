# The Linux desktop build, on Qt Widgets: the program, its tests, benchmarks and the README's
# pictures, its installation with the desktop's files, and a Debian package.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Test)
qt_standard_project_setup()

varnholt_add_program()
# Installed beside the system's libraries, the program needs no library search path of its own
# (Qt's project setup would give it $ORIGIN-relative ones), and it links the way Debian hardens
# programs: relocations read-only, symbols bound at start.
set_target_properties(varnholt PROPERTIES INSTALL_RPATH "")
target_link_options(varnholt PRIVATE LINKER:-z,relro LINKER:-z,now)

add_subdirectory(docs)
if(VARNHOLT_BENCHMARKS)
    add_subdirectory(bench)
endif()
include(packaging/linux/linux-package.cmake)
add_subdirectory(tests/packaging)
