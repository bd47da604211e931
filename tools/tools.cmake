# The build's tools (this folder) and the files they make from the program's module, for every
# build with a window system: res_tool makes the Windows resource script with the dialogs and
# the string table, the Windows icon and bitmap, and the desktop icons; site_tool the web page's
# first window (VARNHOLT_SITE_TOOL, after VARNHOLT_TOOLS_TARGET). A cross build makes the tools
# as a project of their own with the build machine's compiler, at build time, so that a change
# of a template or of the pixel art rebuilds them and their files like any source; so does a
# sanitizer build, whose flags are the program's, not its build steps'.
if(CMAKE_CROSSCOMPILING OR VARNHOLT_SANITIZE)
    include(ExternalProject)
    set(tools_dir ${CMAKE_BINARY_DIR}/tools)
    ExternalProject_Add(host_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
        BINARY_DIR ${tools_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Release
            -DVARNHOLT_WERROR=${VARNHOLT_WERROR} -DVARNHOLT_GENERATED_DIR=${generated_dir}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${tools_dir}/res_tool ${tools_dir}/site_tool)
    set(res_tool ${tools_dir}/res_tool)
    set(VARNHOLT_SITE_TOOL ${tools_dir}/site_tool)
    set(VARNHOLT_TOOLS_TARGET host_tools)
else()
    add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
    set(res_tool $<TARGET_FILE:res_tool>)
    set(VARNHOLT_SITE_TOOL $<TARGET_FILE:site_tool>)
    set(VARNHOLT_TOOLS_TARGET res_tool site_tool)
endif()

# The program's icon comes in two kinds of the same subject: pixel art at 16 and 32 pixels, the
# sizes of the screens it was first drawn for, and one drawing (res/art/varnholt.svg) for every
# larger size, rendered at build time by rsvg-convert.
find_program(VARNHOLT_RSVG_CONVERT rsvg-convert REQUIRED)
# Renders the icon's drawing (or the drawing given third) as a SIZE x SIZE PNG file at OUTPUT,
# at build time.
function(varnholt_render_icon size output)
    set(drawing ${PROJECT_SOURCE_DIR}/res/art/varnholt.svg)
    if(ARGC GREATER 2)
        set(drawing ${ARGV2})
    endif()
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${VARNHOLT_RSVG_CONVERT} --width ${size} --height ${size} --format png
            --output ${output} ${drawing}
        DEPENDS ${drawing}
        COMMENT "Rendering the icon at ${size} pixels"
        VERBATIM)
endfunction()

set(resources_dir ${CMAKE_BINARY_DIR}/resources)
set(pixel_art_sizes 16 32)
set(drawn_sizes 24 48 64 128 256)
# The sizes Windows asks for besides the pixel art's: 24 and 48 at higher DPI, 256 in Explorer.
set(windows_sizes 24 48 256)
set(renditions)
set(windows_renditions)
foreach(size IN LISTS drawn_sizes)
    set(png ${resources_dir}/hicolor/${size}x${size}/apps/${VARNHOLT_APP_ID}.png)
    varnholt_render_icon(${size} ${png})
    list(APPEND renditions ${png})
    if(size IN_LIST windows_sizes)
        list(APPEND windows_renditions ${png})
    endif()
endforeach()

# What res_tool makes, for the install rules and the Windows resources.
set(VARNHOLT_RESOURCE_SCRIPT ${resources_dir}/resources.rc)
set(VARNHOLT_ICO ${resources_dir}/IDI_MAIN.ico)
set(VARNHOLT_BITMAP ${resources_dir}/IDB_PICTURE.bmp)
set(VARNHOLT_ICON_THEME_DIR ${resources_dir}/hicolor)
set(VARNHOLT_ICON_SIZES ${pixel_art_sizes} ${drawn_sizes})
set(outputs ${VARNHOLT_RESOURCE_SCRIPT} ${VARNHOLT_ICO} ${VARNHOLT_BITMAP})
foreach(size IN LISTS pixel_art_sizes)
    list(APPEND outputs ${VARNHOLT_ICON_THEME_DIR}/${size}x${size}/apps/${VARNHOLT_APP_ID}.png)
endforeach()
file(GLOB pixel_art CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/art/*.xpm)
add_custom_command(OUTPUT ${outputs}
    COMMAND ${res_tool} ${resources_dir} ${VARNHOLT_APP_ID} ${windows_renditions}
    DEPENDS ${VARNHOLT_TOOLS_TARGET} ${pixel_art} ${windows_renditions}
        ${PROJECT_SOURCE_DIR}/res/dialog_templates.cpp ${PROJECT_SOURCE_DIR}/res/program_module.cpp
        ${generated_dir}/version.h
    COMMENT "Making the resource script, the Windows icon and bitmap, and the desktop icons"
    VERBATIM)
add_custom_target(varnholt_icons ALL DEPENDS ${outputs} ${renditions})
