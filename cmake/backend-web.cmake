# What the browser build adds: the program compiled to WebAssembly with emscripten, and the site
# that carries it (packaging/web/web-package.cmake), which its tests (tests/web) drive in
# Chromium and its benchmarks (bench/web/bench_site.mjs) measure.
set(VARNHOLT_SITE_DIR ${CMAKE_BINARY_DIR}/site)

# The program: varnholt.js and varnholt.wasm, which the site takes under names of their own. The
# page's own script comes first (--pre-js). The page's Content-Security-Policy allows no eval, so
# emscripten makes no code at run time; there is no file system to carry. Memory grows as it is
# needed, so that no input can exhaust it.
set(VARNHOLT_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
set(page_script ${PROJECT_SOURCE_DIR}/packaging/web/page.js)
set_target_properties(varnholt PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VARNHOLT_PROGRAM_DIR})
# The JavaScript reads text with the browser's TextDecoder and gives the program no Module
# properties but those the page sets.
target_link_options(varnholt PRIVATE "SHELL:--pre-js ${page_script}" -sENVIRONMENT=web
    -sDYNAMIC_EXECUTION=0 -sFILESYSTEM=0 -sMALLOC=emmalloc -sALLOW_MEMORY_GROWTH -sTEXTDECODER=2
    "SHELL:-s INCOMING_MODULE_JS_API=[locateFile,instantiateWasm,onAbort]")
get_property(web_libraries GLOBAL PROPERTY AFX_WEB_LIBRARIES)
get_property(web_launcher GLOBAL PROPERTY AFX_WEB_LINKER_LAUNCHER)
set_property(TARGET varnholt APPEND PROPERTY LINK_DEPENDS ${page_script} ${web_libraries})
set_property(TARGET varnholt PROPERTY CXX_LINKER_LAUNCHER ${CMAKE_CXX_LINKER_LAUNCHER} ${web_launcher})

include(packaging/web/web-package.cmake)
