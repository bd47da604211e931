# The Windows build, on the Win32 dialog manager: the program with every resource inside it,
# its tests run under Wine, a start-up benchmark, and a zip and an installer of the program.

# Puts every resource of the program into executable TARGET, from the generated resource script:
# the dialog templates, the string table, the icon, the picture, the manifest and the version
# block. The script includes what res_tool makes, which the resource compiler's dependencies do
# not show. (Source file properties hold in one folder only: TARGET's is named.)
enable_language(RC)
function(varnholt_add_resources target)
    set(rc ${generated_dir}/varnholt.rc)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
        INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/res
        OBJECT_DEPENDS
            "${VARNHOLT_RESOURCE_SCRIPT};${VARNHOLT_ICO};${VARNHOLT_BITMAP};${VARNHOLT_MANIFEST}")
    add_dependencies(${target} varnholt_icons)
endfunction()

varnholt_add_program()
# A Unicode GUI program (entry wWinMain) named as its version block says.
varnholt_add_resources(varnholt)
target_link_options(varnholt PRIVATE -municode)
set_target_properties(varnholt PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Varnholt)

if(VARNHOLT_BENCHMARKS)
    add_subdirectory(bench/win32)
endif()
include(packaging/windows/windows-package.cmake)
