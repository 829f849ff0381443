# The Debian package (./dev.sh package): kova_<version>_<arch>.deb with CPack,
# from the install rules of packaging/CMakeLists.txt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KOVA_PROJECT_NAME})
set(CPACK_PACKAGE_CONTACT ${KOVA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "visual perception training exercises")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KOVA is a suite of visual-perception training exercises. A therapist sits a
patient or student at one screen, picks an exercise from the main menu, sets
its options and starts a practice period. Each exercise judges every answer
at once, counts right and wrong answers and response times against a
practice clock, and ends in a scores screen. Practices are kept in a
practice history per patient, on this computer or on a clinic's PostgreSQL
server.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KOVA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KOVA_HOMEPAGE})
# The libraries' packages are worked out from the program (dpkg-shlibdeps);
# the database drivers and the fonts are loaded at run time, so they are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
