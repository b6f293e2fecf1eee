# The Debian package: `cpack -G DEB` in the build directory packs everything that
# `cmake --install` puts down, the two programs and the desktop files. On Windows builds
# `cpack` makes a zip instead (scripts/build-windows.sh).
set(CPACK_PACKAGE_NAME vellumark)
set(CPACK_PACKAGE_VENDOR "The Vellumark authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumark encrypts a text into a cipher text of 64 printable symbols (letters, digits, ! and ?) under a numeric code number, and decrypts such a cipher text back. It comes as a small window that recomputes the output on every keystroke (vellumark) and as a command-line tool (vellumark-cli).")
set(CPACK_PACKAGE_CONTACT "The Vellumark authors <maintainers@vellumark.example.org>")
if(DEFINED VELLUMARK_HOMEPAGE)
    set(CPACK_PACKAGE_HOMEPAGE_URL "${VELLUMARK_HOMEPAGE}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies on the Qt and C++ runtime packages come from the programs' own links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(WIN32)
    # The Windows zip: the programs at its top with a README (CR LF, for Notepad), and the
    # licence where there is one.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt.in
                   ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
    if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
        configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt
                       COPYONLY)
        install(FILES ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)
    endif()
else()
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

include(CPack)
