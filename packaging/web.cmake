# The web page's release (cpack --preset web-zip): Yorunami-<version>-web.zip holding a folder of
# that name with the page's files, the licence and a README on putting it on a web host.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/README-web.txt README.txt COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt COPYONLY)

install(DIRECTORY ${YORUNAMI_PAGE}/ DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Yorunami)
set(CPACK_PACKAGE_VENDOR "the Yorunami authors")
set(CPACK_PACKAGE_FILE_NAME Yorunami-${PROJECT_VERSION}-web)
set(YORUNAMI_RELEASE_ZIP ${CPACK_PACKAGE_FILE_NAME} PARENT_SCOPE) # for the zip's test
include(CPack)
