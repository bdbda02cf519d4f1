# Makes the browser edition's site afresh in the folder SITE, run by web/CMakeLists.txt after the
# program is linked: the given files, the licence as LICENSE.txt (a browser shows it as text), the
# program (PROGRAM.js, .wasm and .data) and the service worker.
#   cmake -DSITE=<folder> -DFILES=<file;...> -DLICENSE=<file> -DPROGRAM=<path> -DVERSION=<version>
#         -DWORKER=<service-worker.js.in> -P WebSite.cmake
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
foreach(file IN LISTS FILES)
  cmake_path(GET file FILENAME name)
  file(COPY_FILE ${file} ${SITE}/${name})
endforeach()
file(COPY_FILE ${LICENSE} ${SITE}/LICENSE.txt)
file(COPY_FILE ${PROGRAM}.wasm ${SITE}/glyphwise.wasm)
file(COPY_FILE ${PROGRAM}.data ${SITE}/glyphwise.data)

# The file packager of emscripten 3.1.6 names the words' package by a random UUID, which nothing
# reads but a preload cache that the program does not use; it gets the hash of the package, as
# later emscriptens give it, so that two builds of one commit make the same glyphwise.js.
file(READ ${PROGRAM}.js program)
file(SHA256 ${PROGRAM}.data data_hash)
string(REGEX REPLACE "\"package_uuid\":\"[-0-9a-f]+\"" "\"package_uuid\":\"sha256-${data_hash}\""
  program "${program}")
file(WRITE ${SITE}/glyphwise.js "${program}")

# The worker's release: the version and a hash of every other file, so that any change to the site
# gives a new worker, which browsers take for an update.
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
set(hashes "")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${hash} ${name}\n")
endforeach()
string(SHA256 release "${hashes}")
string(SUBSTRING ${release} 0 16 release)
set(RELEASE ${VERSION}-${release})
list(TRANSFORM names REPLACE "(.+)" "'\\1'")
list(JOIN names ", " FILES)
configure_file(${WORKER} ${SITE}/service-worker.js @ONLY)
