# The Debian package, built by CPack from what `cmake --install` installs
# (scripts/package.sh). Its library dependencies come from dpkg-shlibdeps;
# what the programs need at run time without linking it is named here.

set(FIBROLOG_PACKAGE_MAINTAINER "Fibrolog developers <packaging@fibrolog.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fibrolog)
set(CPACK_PACKAGE_VENDOR "The Fibrolog developers")
set(CPACK_PACKAGE_CONTACT "${FIBROLOG_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collect, judge and report fiber-optic loss test results")
# Lines as dpkg shows them; an empty line separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION
    "Fibrolog downloads the loss test results of a handheld optical loss meter
(Pendra, Lintel and Corvina families) over a serial line, keeps them in a
password-protected test database, judges every fiber against a cabling or
network standard and prints circuit detail and summary reports for the
installer's customer.

The package holds the window program, fibrolog, and its command-line
counterpart, fibrolog-cli, which does the same work without a display.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY fibrolog)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FIBROLOG_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not seen by dpkg-shlibdeps: the reports ask fontconfig for "Arial", which
# Liberation Sans stands in for with the same metrics; the manuals and folders
# open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
# Qt's own buttons and dialogs in the user's language, beside a language module.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
