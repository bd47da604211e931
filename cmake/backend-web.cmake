# The browser build: the program compiled to WebAssembly with emscripten, its tests under Node
# and in Chromium, and the site that carries it (packaging/web/web-package.cmake). The site's
# benchmarks (bench/web/bench_site.mjs) run on the built site.
set(VARNHOLT_SITE_DIR ${CMAKE_BINARY_DIR}/site)
varnholt_add_program()

# The program: varnholt.js and varnholt.wasm, which the site takes under names of their own. The
# page's own script comes first (--pre-js). The page's Content-Security-Policy allows no eval, so
# emscripten makes no code at run time; there is no file system to carry. Memory grows as it is
# needed, so that no input can exhaust it.
set(VARNHOLT_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
set(page_script ${PROJECT_SOURCE_DIR}/packaging/web/page.js)
set_target_properties(varnholt PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VARNHOLT_PROGRAM_DIR})
target_link_options(varnholt PRIVATE "SHELL:--pre-js ${page_script}" -sENVIRONMENT=web
    -sDYNAMIC_EXECUTION=0 -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH -sTEXTDECODER=2 "SHELL:-s INCOMING_MODULE_JS_API=[locateFile,instantiateWasm,onAbort]")
get_property(web_libraries GLOBAL PROPERTY AFX_WEB_LIBRARIES)
set_property(TARGET varnholt APPEND PROPERTY LINK_DEPENDS ${page_script} ${web_libraries})

include(packaging/web/web-package.cmake)
