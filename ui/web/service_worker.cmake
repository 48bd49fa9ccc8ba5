# Writes the page's service workers from their template: sw.js with the page's files, each with
# the SHA-256 of its bytes, and a version made of them; and sw-retired.js, with no files, which
# takes the page off. Run by the build: cmake -DPAGE=folder -DFILES=a,b,c -DTEMPLATE=sw.js.in -P ...
string(REPLACE "," ";" FILES "${FILES}")
set(hashes "")
set(PAGE_FILES "")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND hashes "${hash}")
  if(file STREQUAL "index.html")
    string(APPEND PAGE_FILES "\n  [\"./\", \"${hash}\"],") # the page's own address
  endif()
  string(APPEND PAGE_FILES "\n  [\"${file}\", \"${hash}\"],")
endforeach()
string(APPEND PAGE_FILES "\n")
string(SHA256 PAGE_VERSION "${hashes}")
string(SUBSTRING ${PAGE_VERSION} 0 16 PAGE_VERSION)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)

set(PAGE_VERSION retired)
set(PAGE_FILES "")
configure_file(${TEMPLATE} ${PAGE}/sw-retired.js @ONLY)
