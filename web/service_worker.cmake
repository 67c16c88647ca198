# Writes the service worker (sw.js) for one build: its cache is named after a hash of every
# file it caches, so any change to the page, program or data gives a new cache.
# cmake -DSITE=<site dir> -DTEMPLATE=<service_worker.js> -DFILES=<a;b;...> -P service_worker.cmake
set(hashes "")
set(quoted "'./'")
foreach(file ${FILES})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
  string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 build_hash "${hashes}")
string(SUBSTRING ${build_hash} 0 16 ZANDREL_BUILD_HASH)
set(ZANDREL_CACHED_FILES "${quoted}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
