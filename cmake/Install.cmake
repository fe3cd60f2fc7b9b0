# What `cmake --install` puts where, and the Debian package CPack makes of it.
install(TARGETS dorvan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/cli/dorvan-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES examples/haulage-drift.zt2 examples/hot-decline.zt2 examples/five-branch-sequence.zt2
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dorvan/examples)

if(DORVAN_GUI)
    install(TARGETS dorvan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/org.dorvan.Dorvan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/dorvan-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME dorvan.xml)
    install(FILES app/icons/dorvan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(DIRECTORY packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    configure_file(packaging/org.dorvan.Dorvan.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/generated/org.dorvan.Dorvan.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/generated/org.dorvan.Dorvan.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_PACKAGE_NAME dorvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dorvan")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Climatic simulation of underground mine airways")
set(CPACK_PACKAGE_CONTACT "Dorvan developers <dorvan@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
