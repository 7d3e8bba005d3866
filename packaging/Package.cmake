# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` installs, into /usr. Its dependencies are the libraries'
# packages as dpkg-shlibdeps finds them in the programs, and what the
# programs load without linking it.
set(CPACK_PACKAGE_NAME zorind)
set(CPACK_PACKAGE_VENDOR ZORIND)
# Whoever builds the package names themselves as its maintainer:
# cmake -DCPACK_PACKAGE_CONTACT="Name <address>".
set(CPACK_PACKAGE_CONTACT "ZORIND <zorind@localhost>" CACHE STRING "The Debian package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION "ZORIND draws the boundary of a plane region as nodes joined by straight
elements, attaches boundary conditions and solves steady potential problems
(heat flow and its analogues) and plane elasticity by the boundary-element
method. Results are shown as coloured elements with a colour scale, field
maps with isolines and lists. zorind-cli runs the same commands without a
window. The user interface is in Polish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin of Qt's (X11 or Wayland), which no
# program links; Qt's own Polish texts (Yes/No, file dialogs) come with the
# translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)
