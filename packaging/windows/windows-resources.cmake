# The executable's resource script: the version block and the manifest (this folder's templates)
# around the script that res_tool makes (tools/tools.cmake). Every build with the tools makes it;
# the Linux build compiles it in its release check, the Windows build into the program
# (varnholt_add_resources).
set(VARNHOLT_MANIFEST ${generated_dir}/varnholt.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/varnholt.manifest.in ${VARNHOLT_MANIFEST} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/varnholt.rc.in ${generated_dir}/varnholt.rc @ONLY)

# Puts every resource of the program into executable TARGET, from the resource script: the
# dialog templates, the string table, the icon, the picture, the manifest and the version block.
# The script includes what res_tool makes, which the resource compiler's dependencies do not
# show. (Source file properties hold in one folder only: TARGET's is named.) Needs RC enabled.
function(varnholt_add_resources target)
    set(rc ${generated_dir}/varnholt.rc)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
        INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/res
        OBJECT_DEPENDS
            "${VARNHOLT_RESOURCE_SCRIPT};${VARNHOLT_ICO};${VARNHOLT_BITMAP};${VARNHOLT_MANIFEST}")
    add_dependencies(${target} varnholt_icons)
endfunction()
