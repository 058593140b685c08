# A Debian package: cpack -G DEB in a build folder.
set(CPACK_PACKAGE_NAME tessivane)
set(CPACK_PACKAGE_VENDOR "${TESSIVANE_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numerology reading of the four planes of expression")
# Debian shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Tessivane counts how many capitals of a name fall into the Mental,
Physical, Emotional and Intuitive planes, shows each as a percentage with its
strength and names the dominant plane.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TESSIVANE_SITE}/tessivane/")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSIVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, so shlibdeps cannot see them: the X11 and Wayland
# platform plugins, and a font for the fallback of Verdana.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core | fonts-freefont-ttf")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_STRIP_FILES ON)
# cpack reads this as it runs: the package's times are the commit's.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackTimes.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "set(ENV{SOURCE_DATE_EPOCH} ${TESSIVANE_SOURCE_DATE_EPOCH})\n")
include(CPack)
