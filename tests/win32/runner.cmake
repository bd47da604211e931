# Windows programs run in the build's own Wine prefix (wine_run.sh makes it), one at a time.
set(VARNHOLT_WINE_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine_run.sh ${VARNHOLT_WINE_PREFIX})
set(VARNHOLT_TEST_LOCK wineprefix)
