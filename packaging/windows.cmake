# The release for Windows (cpack --preset win32-zip): Yorunami-<version>-win32.zip holding the
# game, a short README and the licence, in a folder of that name. Nothing to install.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(bits win64)
else()
  set(bits win32)
endif()

# Texts for Notepad: UTF-8 with a byte order mark, lines ending in CR LF.
function(yorunami_windows_text source target)
  file(READ ${source} text)
  string(ASCII 239 187 191 byteOrderMark)
  file(CONFIGURE OUTPUT ${target} CONTENT "${byteOrderMark}${text}" @ONLY NEWLINE_STYLE CRLF)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
yorunami_windows_text(${CMAKE_CURRENT_SOURCE_DIR}/README.txt README.txt)
yorunami_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)

install(TARGETS yorunami RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Yorunami)
set(CPACK_PACKAGE_VENDOR "the Yorunami authors")
set(CPACK_PACKAGE_FILE_NAME Yorunami-${PROJECT_VERSION}-${bits})
set(YORUNAMI_RELEASE_ZIP ${CPACK_PACKAGE_FILE_NAME} PARENT_SCOPE) # for the zip's test
include(CPack)
