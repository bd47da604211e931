# Makes the site's service worker (cmake -P): TEMPLATE configured with the list of FILES in SITE,
# the VERSION and a hash of the files' contents, so that every change of the site is a new cache.
set(hashes "")
set(quoted "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${file} ${hash}\n")
    string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 site_hash "${hashes}")
string(SUBSTRING ${site_hash} 0 16 VARNHOLT_SITE_HASH)
set(VARNHOLT_VERSION ${VERSION})
set(VARNHOLT_SITE_FILES ${quoted})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
