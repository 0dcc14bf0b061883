# The Debian package: `cpack -G DEB` in a build tree (scripts/package) makes
# termivo_VERSION_amd64.deb of what `cmake --install` puts under /usr, with
# the copyright and changelog Debian's policy asks for, stripped binaries,
# and Depends computed from the binaries (dpkg-shlibdeps) plus the report's
# font.
include(GNUInstallDirs)

set(TERMIVO_OPIEKUN "Zespół Termivo <termivo@example.org>"
    CACHE STRING "The package's Maintainer field")

# /usr/share/doc/termivo: copyright as it is; the changelog compressed.
string(TIMESTAMP TERMIVO_DATA_ZMIAN "%a, %d %b %Y 00:00:00 +0000" UTC)
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in
               ${CMAKE_BINARY_DIR}/pakiet/changelog @ONLY)
find_program(TERMIVO_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/pakiet/changelog.gz
    COMMAND ${TERMIVO_GZIP} -9nkf ${CMAKE_BINARY_DIR}/pakiet/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/pakiet/changelog
    VERBATIM)
add_custom_target(pakiet-zmiany ALL DEPENDS ${CMAKE_BINARY_DIR}/pakiet/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright
              ${CMAKE_BINARY_DIR}/pakiet/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/termivo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME termivo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${TERMIVO_OPIEKUN})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TERMIVO_OPIEKUN})
set(CPACK_DEBIAN_FILE_NAME "termivo_${PROJECT_VERSION}_amd64.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The report is laid out in Tahoma's metrics: Debian's free Tahoma.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
# "Pomoc" opens the manual in the desktop's PDF viewer; Qt's own dialogs
# (file, print) speak Polish with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, evince | pdf-viewer, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "joinery schedule of a building with window Uw and prices")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Termivo keeps a building project's joinery schedule for Polish designers of
building envelopes: every window with its size, type and sashes, Ug, Uf,
Psi_g, Lg and dR, trickle vents, price and pieces per storey and compass
direction. It computes each window's Uw by PN-EN ISO 10077-1, the project's
mean U, areas and prices, checks the windows against the Polish technical
conditions of 2021, prints the schedule with a print preview, exports it to
spreadsheets and imports windows from Arvo-K projects and IFC models.

The package holds the program (in Polish), its command-line companion
termivo-cli, the manual and the manual pages.")
include(CPack)
