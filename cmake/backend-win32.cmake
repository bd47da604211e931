# The Windows build, on the Win32 dialog manager: the program with every resource inside it,
# its tests run under Wine, a start-up benchmark, and a zip and an installer of the program.
varnholt_add_program()
# A Unicode GUI program (entry wWinMain) named as its version block says, carrying every resource
# from the generated resource script. The script includes what res_tool makes, which the resource
# compiler's dependencies do not show.
enable_language(RC)
set(rc ${generated_dir}/varnholt.rc)
target_sources(varnholt PRIVATE ${rc})
set_source_files_properties(${rc} PROPERTIES
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/res
    OBJECT_DEPENDS
        "${VARNHOLT_RESOURCE_SCRIPT};${VARNHOLT_ICO};${VARNHOLT_BITMAP};${VARNHOLT_MANIFEST}")
add_dependencies(varnholt varnholt_icons)
target_link_options(varnholt PRIVATE -municode)
set_target_properties(varnholt PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Varnholt)

if(VARNHOLT_BENCHMARKS)
    add_subdirectory(bench/win32)
endif()
include(packaging/windows/windows-package.cmake)
