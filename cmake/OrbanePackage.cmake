# The Debian package (cpack -G DEB in the release build; ./orbane.sh package does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbane1s)
set(CPACK_PACKAGE_VENDOR "Orbane 1S")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projectile motion simulator for physics lessons")
set(CPACK_PACKAGE_DESCRIPTION [=[
Orbane 1S is a simulator of projectile motion for upper-secondary physics
lessons, in French. Choose a place (the Earth, the Moon or Mars), a projectile,
an initial position and velocity, and watch the flight with its trajectory,
velocity and weight vectors, chronophotography and live graphs of positions,
velocities and energies.

It comes with exercises and their corrections, a scientific calculator, a
measurement window for the pupils' pointage on a chronophotograph, printing,
and exports of the values for a spreadsheet or Python.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # orbane1s_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORBANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binaries; what is loaded at run time is named here: Qt's French
# texts and the fonts the scene and the panels are drawn with. The impact sound goes through
# QSoundEffect, which needs no GStreamer plug-in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-liberation2 | fonts-liberation, fonts-dejavu-core")
# Only the Python programs and the notebooks the pointage window exports need these.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "python3, python3-matplotlib, jupyter-nbconvert, python3-nbconvert, python3-ipykernel")

# The package holds what the program needs: cpack installs without building every target.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

# Extracts the package and starts the extracted program (after cpack; label "package", left
# out of the plain test runs).
find_program(ORBANE_DPKG_DEB dpkg-deb)
if(ORBANE_BUILD_TESTS AND ORBANE_DPKG_DEB)
  add_test(NAME package_extracts_and_starts
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/check-package.sh ${CPACK_PACKAGE_DIRECTORY} ${PROJECT_VERSION})
  set_tests_properties(package_extracts_and_starts PROPERTIES LABELS package TIMEOUT 120)
endif()
