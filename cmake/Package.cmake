# `cpack -G DEB` in a configured build tree makes lumora_<version>_<arch>.deb.
# Its Depends line comes from dpkg-shlibdeps over the installed programs, so
# it follows whatever Qt and C++ runtime the build linked.
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "Lumora developers")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMORA_PACKAGE_HOMEPAGE}")
# The Maintainer field (cmake/Install.cmake); whoever publishes the package
# puts their own address.
set(CPACK_PACKAGE_CONTACT "${LUMORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "airline crew scheduling for one crew base")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumora builds a month's crew schedules for one crew base and category:
it imports the month's pairings and crew list, lays the pairings out on a
grid of crew members and days and checks each assignment against the duty
and rest rules. The batch tool lumora-cli runs the same work from scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG icon engine as a plugin at run time, which dpkg-shlibdeps
# cannot see: without it the tool bar and the grid's corner icons are blank.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Folders owned by the base system are left out of the package's file list.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
