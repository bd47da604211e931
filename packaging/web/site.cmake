# Puts the site together at build time (cmake -P) in SITE from the program (PROGRAM: its .js and
# .wasm) and the page's parts:
# - the style sheet, STYLES in order;
# - the program's script, its WebAssembly and the style sheet under names that carry their
#   content's hash, so that a page can only ever load files of its own build;
# - the page (PAGE, with %STYLE%, %SCRIPT%, %WASM% and %WINDOW%, the first window's markup from
#   WINDOW);
# - the service worker (SW_TEMPLATE), which knows every file of the site (those above, and
#   OTHERS already in SITE) with its SHA-256, and checks each before it keeps a build;
# - ZIP, the whole site.
function(hashed_copy source name extension result)
    file(SHA256 ${source} hash)
    string(SUBSTRING ${hash} 0 12 short)
    set(file ${name}.${short}.${extension})
    file(COPY_FILE ${source} ${SITE}/${file} ONLY_IF_DIFFERENT)
    # An earlier build's file of the same kind is no part of this site.
    file(GLOB stale ${SITE}/${name}.*.${extension})
    list(REMOVE_ITEM stale ${SITE}/${file})
    if(stale)
        file(REMOVE ${stale})
    endif()
    set(${result} ${file} PARENT_SCOPE)
endfunction()

# The sources' comments stay in the sources: the site goes without them.
function(without_comments text result)
    set(out "")
    string(FIND "${text}" "/*" start)
    while(NOT start EQUAL -1)
        string(SUBSTRING "${text}" 0 ${start} before)
        string(APPEND out "${before}")
        string(SUBSTRING "${text}" ${start} -1 text)
        string(FIND "${text}" "*/" end)
        math(EXPR end "${end} + 2")
        string(SUBSTRING "${text}" ${end} -1 text)
        string(FIND "${text}" "/*" start)
    endwhile()
    string(APPEND out "${text}")
    string(REGEX REPLACE "\n[ \n]*" "\n" out "${out}")
    set(${result} "${out}" PARENT_SCOPE)
endfunction()

set(style "")
foreach(sheet IN LISTS STYLES)
    file(READ ${sheet} part)
    without_comments("${part}" part)
    string(APPEND style "${part}")
endforeach()
file(WRITE ${SITE}/style.css.tmp "${style}")
hashed_copy(${SITE}/style.css.tmp style css style_file)
file(REMOVE ${SITE}/style.css.tmp)
hashed_copy(${PROGRAM}/varnholt.wasm varnholt wasm wasm_file)
hashed_copy(${PROGRAM}/varnholt.js varnholt js script_file)

file(READ ${PAGE} page)
string(REGEX REPLACE "<!--[^>]*-->\n" "" page "${page}")
file(READ ${WINDOW} window)
string(REPLACE "%STYLE%" ${style_file} page "${page}")
string(REPLACE "%SCRIPT%" ${script_file} page "${page}")
string(REPLACE "%WASM%" ${wasm_file} page "${page}")
string(REPLACE "%WINDOW%" "${window}" page "${page}")
file(CONFIGURE OUTPUT ${SITE}/index.html CONTENT "${page}")

# The start address is the page itself.
file(SHA256 ${SITE}/index.html page_hash)
set(files "    './': '${page_hash}',\n")
set(hashes "${page_hash}")
foreach(file IN ITEMS index.html ${style_file} ${script_file} ${wasm_file} ${OTHERS})
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND files "    '${file}': '${hash}',\n")
    string(APPEND hashes " ${hash}")
endforeach()
string(SHA256 build "${hashes}")
string(SUBSTRING ${build} 0 16 VARNHOLT_SITE_HASH)
set(VARNHOLT_VERSION ${VERSION})
set(VARNHOLT_SITE_FILES "${files}")
configure_file(${SW_TEMPLATE} ${SITE}/sw.js.tmp @ONLY)
file(READ ${SITE}/sw.js.tmp worker)
string(REGEX REPLACE "(^|\n) *//[^\n]*" "" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
file(REMOVE ${SITE}/sw.js.tmp)

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip index.html ${style_file}
        ${script_file} ${wasm_file} ${OTHERS} sw.js
    WORKING_DIRECTORY ${SITE} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot make ${ZIP}")
endif()
