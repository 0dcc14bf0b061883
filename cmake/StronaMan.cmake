# termivo_strona_man(NAME): docs/man/NAME.1.in with the version, the date and
# the manual's folder filled in, as NAME.1 in the build tree (for man -l and
# the tests) and NAME.1.gz (gzip -9n, as Debian's policy asks) installed in
# man1.
include(GNUInstallDirs)
# Where the package puts the manual (the program looks there too).
set(TERMIVO_KATALOG_OPISU ${CMAKE_INSTALL_DATADIR}/doc/termivo)
# The date of the sources when a build sets SOURCE_DATE_EPOCH, else today.
string(TIMESTAMP TERMIVO_DATA_MAN "%Y-%m-%d")
find_program(TERMIVO_GZIP gzip REQUIRED)

function(termivo_strona_man nazwa)
    # The folder the package installs it in (under /usr, whatever prefix
    # this build tree has).
    set(TERMIVO_KATALOG_OPISU /usr/${CMAKE_INSTALL_DATADIR}/doc/termivo)
    set(strona ${CMAKE_BINARY_DIR}/man/${nazwa}.1)
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${nazwa}.1.in ${strona} @ONLY)
    add_custom_command(OUTPUT ${strona}.gz
        COMMAND ${TERMIVO_GZIP} -9nkf ${strona}
        DEPENDS ${strona}
        VERBATIM)
    add_custom_target(${nazwa}-man ALL DEPENDS ${strona}.gz)
    install(FILES ${strona}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
