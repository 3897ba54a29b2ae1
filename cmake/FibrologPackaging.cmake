# The Debian package's control file, from data/package/control.in, for
# scripts/package.sh, which puts what `cmake --install` installs into the
# package with dpkg-deb. The build fills in the version and the maintainer;
# the script fills in ${Architecture}, ${Installed-Size} and ${shlibs:Depends}
# (dpkg-shlibdeps, the libraries the programs link). The template names what
# the programs need at run time without linking it: the reports ask
# fontconfig for "Arial", which Liberation Sans stands in for with the same
# metrics, and the manuals and folders open through xdg-open; Qt's own
# buttons and dialogs in the user's language are recommended beside a
# language module.

set(FIBROLOG_PACKAGE_MAINTAINER "Fibrolog developers <packaging@fibrolog.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

configure_file(${PROJECT_SOURCE_DIR}/data/package/control.in ${CMAKE_BINARY_DIR}/package/control @ONLY)
