# The Debian package of the Linux desktop program (cpack --preset deb):
# yorunami_<version>_amd64.deb with the program, its desktop entry, icons, manual page,
# changelog and copyright.
set(PACKAGE_MAINTAINER "The Yorunami authors <authors@yorunami.invalid>")

# Debian wants its documentation compressed, reproducibly.
function(yorunami_gzip source target)
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

# The licence in Debian's copyright format: its text indented, blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" licence "${licence}")
string(REGEX REPLACE "\n+$" "" licence "${licence}")
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence " ${licence}")
file(CONFIGURE OUTPUT copyright CONTENT "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Yorunami
Upstream-Contact: ${PACKAGE_MAINTAINER}

Files: *
Copyright: 2026 the Yorunami authors
License: Expat

License: Expat
${licence}
")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# The AppStream metainfo, for software centres: its release is the changelog's latest, dated as
# the changelog dates it.
set(METAINFO_ID invalid.yorunami.Yorunami)
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog signOff REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${signOff}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH ${month} digits)
if(digits EQUAL 1)
  set(month 0${month})
endif()
set(RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/yorunami.metainfo.xml.in
  ${CMAKE_CURRENT_BINARY_DIR}/${METAINFO_ID}.metainfo.xml @ONLY)

set(doc share/doc/yorunami)
yorunami_gzip(${CMAKE_CURRENT_SOURCE_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
yorunami_gzip(${CMAKE_CURRENT_SOURCE_DIR}/yorunami.6 ${CMAKE_CURRENT_BINARY_DIR}/yorunami.6.gz)

install(TARGETS yorunami RUNTIME DESTINATION games)
install(FILES yorunami.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${METAINFO_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(png IN ZIP_LISTS YORUNAMI_PNG_SIZES YORUNAMI_PNG_FILES)
  install(FILES ${png_1} DESTINATION share/icons/hicolor/${png_0}x${png_0}/apps RENAME yorunami.png)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/yorunami.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION ${doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yorunami)
set(CPACK_PACKAGE_VENDOR "the Yorunami authors")
set(CPACK_PACKAGE_CONTACT ${PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "checkers against the computer, with a Japanese interface
Yorunami (ヨルナミ) is a small game of checkers on an 8x8 board. You play red
against the computer, which moves at random at strength 0 or searches up to
eleven moves ahead, or two people share one mouse. Men per side, the first
mover, kings-only starts and the strength are set in its settings dialog.")
include(CPack)
