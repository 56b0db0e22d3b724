# `make package`: a Debian package of what packaging/install.cmake installs, with its
# dependencies read from the binary by dpkg-shlibdeps.
set(DUPLEXA_MAINTAINER "Veltrimo <duplexa@veltrimo.hu>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")

# The Debian changelog goes into the package only, not into a plain install.
duplexa_gzipped_file(changelog)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${DUPLEXA_DOC_DIR}
        RENAME changelog.Debian.gz COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duplexa)
set(CPACK_PACKAGE_VENDOR Veltrimo)
set(CPACK_PACKAGE_CONTACT "${DUPLEXA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tells whether two files are identical, byte for byte")
set(CPACK_PACKAGE_DESCRIPTION
    "Duplexa is a small desktop tool: drop one file on each of its two boxes\n"
    "and press Compare. It reads both files block by block, counts every byte\n"
    "in which they differ, shows its progress and can be stopped, and ends with\n"
    "one verdict in English or Hungarian. It only reads the compared files.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package holding the program and the Debian-only files.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL program debian)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.veltrimo.hu/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Hungarian texts for the file chooser; without them it opens in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${DUPLEXA_PACKAGING_DIR}/folder-permissions.cmake)

include(CPack)
