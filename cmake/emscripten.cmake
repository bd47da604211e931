# Build for the browser: WebAssembly with Debian's emscripten (em++), the web backend of the
# dialog layer. Debian's platform file does the work; this wrapper sets what this machine needs
# besides.
#
# Node here need not be Debian's (NodeSource's does not look in Debian's folder of Node modules),
# so emscripten's JavaScript optimiser, run by the optimised links, is told where Debian keeps
# the modules it needs (acorn).
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Test programs run under plain node: emcmake's "--experimental-wasm-threads" is refused by
# current Node releases.
find_program(VARNHOLT_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNHOLT_NODE})

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The program's dialogs are elements of a web page.
set(VARNHOLT_BACKEND web CACHE STRING "Window system of the dialog layer: qt, win32, web or headless")
