# The site (build-web/site/): the page with the calculator's first window already in it, its
# style sheet, the program, a web app manifest with icons rendered from the icon's drawing, and a
# service worker that keeps the site for offline use; and a zip of the site for any static web
# host. packaging/web/site.cmake puts it together once the program is linked.
set(site_dir ${VARNHOLT_SITE_DIR})
include(${PROJECT_SOURCE_DIR}/packaging/web/base64.cmake)
set(site_source ${PROJECT_SOURCE_DIR}/packaging/web)

# The page's first script, inline so that it speaks even where no other file of the site loads
# (guard.js); without its comments, and allowed by its hash alone.
file(READ ${site_source}/guard.js guard)
string(REGEX REPLACE "(^|\n) *//[^\n]*" "" guard "${guard}")
string(REGEX REPLACE "\n +" "\n" VARNHOLT_WEB_GUARD "${guard}")
string(SHA256 guard_hash "${VARNHOLT_WEB_GUARD}")
base64_of_hex(${guard_hash} guard_hash)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${site_source}/guard.js)

# The page's policy: its own scripts and WebAssembly, its own style sheet, images, manifest and
# service worker; no plug-ins, forms or other bases. Sent in the page itself, so that any static
# host carries it; the test server sends it as a header too, with what only a header can say.
set(VARNHOLT_WEB_CSP "default-src 'self'; script-src 'self' 'sha256-${guard_hash}' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")
configure_file(${site_source}/index.html.in ${CMAKE_BINARY_DIR}/page/index.html @ONLY)
configure_file(${site_source}/manifest.webmanifest.in ${site_dir}/manifest.webmanifest @ONLY)

# The first window, laid out when the site is built, so that the page shows it at once.
set(first_window ${CMAKE_BINARY_DIR}/first_window)
add_custom_command(OUTPUT ${first_window}/window.html ${first_window}/layout.css
    COMMAND ${CMAKE_COMMAND} -E make_directory ${first_window}
    COMMAND ${VARNHOLT_SITE_TOOL} ${first_window} IDD_CALCULATOR
    DEPENDS ${VARNHOLT_TOOLS_TARGET}
    COMMENT "Laying out the page's first window"
    VERBATIM)

# The app's icons, from the icon's drawing (res/CMakeLists.txt renders it): the page's own at 192
# pixels, and the app's at 512, its drawing within the circle that a home screen's shapes keep
# (maskable), which also serves where any icon will do.
file(READ ${PROJECT_SOURCE_DIR}/res/art/varnholt.svg drawing)
string(REGEX REPLACE "^.*<svg[^>]*>(.*)</svg>.*$" "\\1" VARNHOLT_ICON_DRAWING "${drawing}")
configure_file(${site_source}/maskable-icon.svg.in ${CMAKE_BINARY_DIR}/page/maskable-icon.svg @ONLY)
varnholt_render_icon(192 ${site_dir}/icon-192.png)
varnholt_render_icon(512 ${site_dir}/icon-512.png ${CMAKE_BINARY_DIR}/page/maskable-icon.svg)
set(site_icons icon-192.png icon-512.png)
list(TRANSFORM site_icons PREPEND ${site_dir}/ OUTPUT_VARIABLE site_icon_files)

get_target_property(window_styles afx_web AFX_STYLE_SHEETS)
set(site_styles ${window_styles} ${site_source}/page.css ${first_window}/layout.css)
set(site_zip ${CMAKE_BINARY_DIR}/varnholt-web-${PROJECT_VERSION}.zip)
add_custom_command(OUTPUT ${site_dir}/index.html ${site_dir}/sw.js ${site_zip}
    COMMAND ${CMAKE_COMMAND} -DSITE=${site_dir} -DPROGRAM=${VARNHOLT_PROGRAM_DIR}
        "-DSTYLES=${site_styles}" -DPAGE=${CMAKE_BINARY_DIR}/page/index.html
        -DWINDOW=${first_window}/window.html -DSW_TEMPLATE=${site_source}/sw.js.in
        "-DOTHERS=manifest.webmanifest;${site_icons}" -DVERSION=${PROJECT_VERSION}
        -DZIP=${site_zip} -P ${site_source}/site.cmake
    DEPENDS varnholt ${site_icon_files} ${site_styles} ${site_source}/sw.js.in
        ${CMAKE_BINARY_DIR}/page/index.html ${first_window}/window.html
        ${site_dir}/manifest.webmanifest ${site_source}/site.cmake
    COMMENT "Putting the site together"
    VERBATIM)
add_custom_target(varnholt_site ALL DEPENDS ${site_dir}/sw.js ${site_zip})
