# What the Windows build adds, on the Win32 dialog manager: every resource inside the program,
# its start-up benchmark under Wine, and a zip and an installer of the program.
enable_language(RC)
# A Unicode GUI program (entry wWinMain) named as its version block says.
varnholt_add_resources(varnholt)
target_link_options(varnholt PRIVATE -municode)
set_target_properties(varnholt PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Varnholt)

if(VARNHOLT_BENCHMARKS)
    add_subdirectory(bench/win32)
endif()
include(packaging/windows/windows-package.cmake)
