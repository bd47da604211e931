# What the Linux desktop build adds, on Qt Widgets (framework/qt finds Qt): the README's
# pictures, the benchmarks, the program's installation with the desktop's files, a Debian
# package, and the checks of both.
# Installed beside the system's libraries, the program needs no library search path of its own,
# and it links the way Debian hardens programs: relocations read-only, symbols bound at start.
set_target_properties(varnholt PROPERTIES INSTALL_RPATH "")
target_link_options(varnholt PRIVATE LINKER:-z,relro LINKER:-z,now)

add_subdirectory(docs)
if(VARNHOLT_BENCHMARKS)
    add_subdirectory(bench)
endif()
include(packaging/linux/linux-package.cmake)
add_subdirectory(tests/packaging)
