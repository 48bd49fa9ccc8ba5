# Writes the page's service worker from its template: the page's files, and a version made of
# their contents. Run by the build: cmake -DPAGE=folder -DFILES=a,b,c -DTEMPLATE=sw.js.in -P ...
string(REPLACE "," ";" FILES "${FILES}")
set(hashes "")
set(PAGE_FILES "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND hashes "${hash}")
  string(APPEND PAGE_FILES ", \"${file}\"")
endforeach()
string(SHA256 PAGE_VERSION "${hashes}")
string(SUBSTRING ${PAGE_VERSION} 0 16 PAGE_VERSION)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
