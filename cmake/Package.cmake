# `cpack -G DEB` in the build folder (scripts/package.sh) makes
# rumita_<version>_amd64.deb of the installed layout (cmake/Install.cmake)
# under /usr.
set(CPACK_PACKAGE_NAME rumita)
set(CPACK_PACKAGE_VENDOR "ルミタ")
set(CPACK_PACKAGE_CONTACT "ルミタ maintainers <maintainers@rumita.example>" CACHE STRING
    "The package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compose the HTML body of a Japanese auction listing")
set(CPACK_PACKAGE_DESCRIPTION
    "ルミタ composes the HTML body of a Japanese online-auction listing from a
title, a description, other notes, the payment methods the seller accepts and
a frame style with its colours. It previews the listing and puts its source on
the clipboard for pasting into the auction site's description field.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${RUMITA_WEB_HOME})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The shared libraries it links, found by dpkg-shlibdeps, and what it loads
# at run time: the window system plugin, the fonts the layout is drawn for
# and the toolkit's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
# The input methods that type Japanese into a Qt 6 window (uim has no Qt 6 module).
# A Wayland desktop without XWayland needs the toolkit's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fcitx5-mozc, fcitx5-frontend-qt6, ibus-mozc")

# Debian's documents: the licence in its machine-readable form and the changelog.
configure_file(resources/copyright.in ${CMAKE_BINARY_DIR}/doc/copyright @ONLY)
configure_file(resources/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
add_custom_command(OUTPUT doc/changelog.gz
  COMMAND sh -c "gzip -9nc changelog >changelog.gz"
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/doc
  VERBATIM)
add_custom_target(rumita_changelog ALL DEPENDS doc/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/doc/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION share/doc/rumita)

include(CPack)
