# The browser build: the program compiled to WebAssembly with emscripten, and the site that
# carries it (build-web/site/): the page, its style sheet, the program, a web app manifest with
# icons rendered from the icon's drawing, and a service worker that keeps the site for offline
# use; a zip of the site for any static web host; the tests under Node and in Chromium. The
# site's benchmarks (bench/web/bench_site.mjs) run on the built site.
set(site_dir ${CMAKE_BINARY_DIR}/site)
set(VARNHOLT_SITE_DIR ${site_dir})
varnholt_add_program()

set(site_source ${PROJECT_SOURCE_DIR}/packaging/web)

# The program: varnholt.js and varnholt.wasm in the site. The page's own script comes first
# (--pre-js). The page's Content-Security-Policy allows no eval, so emscripten makes no code at
# run time; there is no file system to carry.
set_target_properties(varnholt PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site_dir})
target_link_options(varnholt PRIVATE "SHELL:--pre-js ${site_source}/page.js" -sENVIRONMENT=web
    -sDYNAMIC_EXECUTION=0 -sFILESYSTEM=0 -sMALLOC=emmalloc)
get_property(web_libraries GLOBAL PROPERTY AFX_WEB_LIBRARIES)
set_property(TARGET varnholt APPEND PROPERTY LINK_DEPENDS ${site_source}/page.js ${web_libraries})

# The page's policy: its own scripts and WebAssembly, its own style sheet, images, manifest and
# service worker; no plug-ins, forms or other bases. Sent in the page itself, so that any static
# host carries it; the test server sends it as a header too, with what only a header can say.
set(VARNHOLT_WEB_CSP "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")
configure_file(${site_source}/index.html.in ${site_dir}/index.html @ONLY)
configure_file(${site_source}/manifest.webmanifest.in ${site_dir}/manifest.webmanifest @ONLY)
# The site's one style sheet: the look of the dialogs' elements, which the web backend makes,
# and the page's own.
set(style_sheets ${PROJECT_SOURCE_DIR}/framework/web/web_style.css ${site_source}/page.css)
set(style "")
foreach(sheet IN LISTS style_sheets)
    file(READ ${sheet} part)
    string(APPEND style "${part}")
endforeach()
file(CONFIGURE OUTPUT ${site_dir}/style.css CONTENT "${style}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${style_sheets})

# The app's icons, from the icon's drawing (res/CMakeLists.txt renders it).
foreach(size 192 512)
    varnholt_render_icon(${size} ${site_dir}/icon-${size}.png)
    list(APPEND site_icons ${site_dir}/icon-${size}.png)
endforeach()

# The service worker lists every file of the site and names its cache after the version and a
# hash of their contents; the zip holds the whole site.
set(site_files index.html style.css manifest.webmanifest varnholt.js varnholt.wasm icon-192.png
    icon-512.png)
set(site_zip ${CMAKE_BINARY_DIR}/varnholt-web-${PROJECT_VERSION}.zip)
add_custom_command(OUTPUT ${site_dir}/sw.js ${site_zip}
    COMMAND ${CMAKE_COMMAND} -DSITE=${site_dir} "-DFILES=${site_files}"
        -DVERSION=${PROJECT_VERSION} -DTEMPLATE=${site_source}/sw.js.in
        -P ${site_source}/service-worker.cmake
    COMMAND ${CMAKE_COMMAND} -E tar cf ${site_zip} --format=zip ${site_files} sw.js
    WORKING_DIRECTORY ${site_dir}
    DEPENDS varnholt ${site_icons} ${site_source}/sw.js.in ${site_dir}/index.html
        ${site_dir}/style.css ${site_dir}/manifest.webmanifest
        ${site_source}/service-worker.cmake
    COMMENT "Making the site's service worker and its zip"
    VERBATIM)
add_custom_target(varnholt_site ALL DEPENDS ${site_dir}/sw.js ${site_zip})

