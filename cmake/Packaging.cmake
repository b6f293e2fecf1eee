# The Debian package: `cpack -G DEB` in the build directory packs everything that
# `cmake --install` puts down, the two programs and the desktop files. On Windows builds
# `cpack` makes a zip instead (scripts/build-windows.sh).
set(CPACK_PACKAGE_NAME vellumark)
set(CPACK_PACKAGE_VENDOR "The Vellumark authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian wants a synopsis shorter than 80 characters and description lines of at most 80.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "turns text into a printable cipher text under a code number, and back")
set(CPACK_PACKAGE_DESCRIPTION [[
Vellumark encrypts a text into a cipher text of 64 printable symbols (letters,
digits, ! and ?) under a numeric code number, and decrypts such a cipher text
back. It comes as a small window that recomputes the output on every keystroke
(vellumark) and as a command-line tool (vellumark-cli).]])
set(CPACK_PACKAGE_CONTACT "The Vellumark authors <maintainers@vellumark.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELLUMARK_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies on the Qt and C++ runtime packages come from the programs' own links; the
# windows also need Liberation Sans, which has the metrics of the "Arial" and "MS Sans Serif"
# that their designs name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

if(WIN32)
    # The Windows zip: the programs at its top with a README and the licence, both with CR LF
    # line ends, as Notepad users expect.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/README.txt.in
                   ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
    # @ONLY, since COPYONLY keeps the line ends; the licence names no @variables@.
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt
                   @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)

    # The installer, beside the zip: the same files, per user, with a Start-menu entry
    # (resources/windows/vellumark.wxs.in). Built on request, since it needs wixl (Debian's
    # package wixl).
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/vellumark.wxs.in
                   ${CMAKE_BINARY_DIR}/vellumark.wxs @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/resources/vellumark.ico ${CMAKE_BINARY_DIR}/vellumark.ico
                   COPYONLY)
    set(msi vellumark-${PROJECT_VERSION}-win64.msi)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${msi}
        COMMAND wixl --arch x64 --define Version=${PROJECT_VERSION}
                --output ${CMAKE_BINARY_DIR}/${msi} ${CMAKE_BINARY_DIR}/vellumark.wxs
        DEPENDS vellumark vellumark-cli ${CMAKE_BINARY_DIR}/vellumark.wxs
                ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt
                ${CMAKE_BINARY_DIR}/vellumark.ico
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        COMMENT "Building ${msi} with wixl"
        VERBATIM)
    add_custom_target(vellumark_msi DEPENDS ${CMAKE_BINARY_DIR}/${msi})
else()
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

include(CPack)
