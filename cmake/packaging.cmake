# The Debian package, made by CPack from the install rules (cpack -G DEB in a build folder, or
# scripts/package.sh). It installs under /usr; users' own folders are never part of it, so
# removing the package leaves every user's categories, lists and settings alone.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trivanto)
set(CPACK_PACKAGE_VENDOR "velmora.engineering")
set(CPACK_PACKAGE_CONTACT "Trivanto developers <trivanto@velmora.engineering>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(TRIVANTO_LANGUAGE STREQUAL "deutsch")
    set(language_word German)
else()
    set(language_word English)
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game for one to four players at one computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Trivanto is a quiz game for one to four players who sit at one computer and
take turns: bet on your knowledge, answer against the clock, guess numbers,
hit a joker, and enter the top ten. It ships ${language_word} categories, plays
its own sound cues, fetches new categories through its online update and keeps
a weekly online top fifty.

The package also holds the authors' tool trivanto-cat, the publishers' tool
trivanto-pack and the top-list server trivanto-server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time, the sound
# library the game loads with its first cue, the archive library it loads with the first update
# package, and the font the windows are laid out in and Qt's own texts in German (its file
# dialog), are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libsdl2-mixer-2.0-0, libsdl2-2.0-0, libzip4, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's documentation of the package: its copyright and its changelog, compressed.
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(CHANGELOG ${CMAKE_BINARY_DIR}/package/changelog.Debian)
configure_file(${CMAKE_SOURCE_DIR}/data/package/changelog.Debian.in ${CHANGELOG} @ONLY)
add_custom_command(OUTPUT ${CHANGELOG}.gz
    COMMAND gzip -9nkf ${CHANGELOG}
    DEPENDS ${CHANGELOG}
    COMMENT "Package changelog" VERBATIM)
add_custom_target(trivanto_package_doc ALL DEPENDS ${CHANGELOG}.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/package/copyright ${CHANGELOG}.gz DESTINATION ${package_doc})

include(CPack)
