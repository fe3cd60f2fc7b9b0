# What `cmake --install` puts where, and the Debian package CPack makes of it.

# Manual pages and the changelog are installed compressed as Debian policy
# wants: gzip -9, with no name or time stamp in the header, so that two
# builds give the same bytes.
find_program(DORVAN_GZIP gzip REQUIRED)
set(dorvan_compressed)
function(dorvan_compress input output)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${DORVAN_GZIP} -9nc ${input} > ${output}
                       DEPENDS ${input} VERBATIM)
    set(dorvan_compressed ${dorvan_compressed} ${output} PARENT_SCOPE)
endfunction()

set(dorvan_packaging ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${dorvan_packaging})
dorvan_compress(${CMAKE_BINARY_DIR}/cli/dorvan-cli.1 ${dorvan_packaging}/dorvan-cli.1.gz)
dorvan_compress(${PROJECT_SOURCE_DIR}/packaging/changelog ${dorvan_packaging}/changelog.gz)

install(TARGETS dorvan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dorvan_packaging}/dorvan-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES examples/haulage-drift.zt2 examples/hot-decline.zt2 examples/five-branch-sequence.zt2
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dorvan/examples)
# The licence as Debian's machine-readable copyright file, and the changelog.
install(FILES packaging/copyright ${dorvan_packaging}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(DORVAN_GUI)
    install(TARGETS dorvan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    configure_file(packaging/dorvan.1.in ${dorvan_packaging}/dorvan.1 @ONLY)
    dorvan_compress(${dorvan_packaging}/dorvan.1 ${dorvan_packaging}/dorvan.1.gz)
    install(FILES ${dorvan_packaging}/dorvan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES packaging/org.dorvan.Dorvan.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/dorvan-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME dorvan.xml)
    install(FILES app/icons/dorvan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(DIRECTORY packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    install(FILES packaging/org.dorvan.Dorvan.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

add_custom_target(dorvan-compressed ALL DEPENDS ${dorvan_compressed})
add_dependencies(dorvan-compressed dorvan-manpage)

set(CPACK_PACKAGE_NAME dorvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dorvan")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Climatic simulation of underground mine airways")
file(READ packaging/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGE_CONTACT "Dorvan developers <dorvan-devel@lists.dorvan.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://dorvan.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
