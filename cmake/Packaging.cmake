# The Debian package of brivel, kvos-sim and kvs: `cpack -G DEB` in a build
# tree (scripts/package.sh builds one and checks the package with lintian).
# It holds what `cmake --install` puts in place: the programs, the desktop
# entry and the icon (desktop/), the manual pages (man/), and the copyright
# file and changelog in Debian's form from packaging/.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KVOS Gas Systems sp. z o.o.")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up and diagnose sequential gas-injection controllers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Built with debug information for the tests; the package needs none.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "KVOS Gas Systems <info@kvos.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kvos.example/")
# The libraries the programs link, as dpkg-shlibdeps (dpkg-dev) finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (file dialogs, the Yes/No/Cancel buttons) follow the
# chosen language where its translations are installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The lines below the summary line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Brivel is a desktop program for fitters of sequential LPG and CNG injection
systems. Through a serial port it talks to a car's KVOS gas controller: live
engine readings, the controller's settings, the gas/petrol injection map and
its automatic adaptation, stored faults, settings data files, drive recording
and replay, and an oscilloscope, in German, English, Polish and Czech.
.
The package also holds kvos-sim, which serves an emulated controller on a
pseudo-terminal, and kvs, which shows and compares settings data files on
the command line.")

set(BRIVEL_DEB_VERSION ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
# The time of configuring, or SOURCE_DATE_EPOCH for a build that must
# come out the same.
string(TIMESTAMP BRIVEL_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in
    ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
    COMMAND ${GZIP} -9nkf changelog.Debian
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
    VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
    ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
    DESTINATION ${docdir})

include(CPack)
