# The Debian package (`make package`): everything the install rules put under
# /usr, its dependencies read from the executables themselves (dpkg-shlibdeps).
# It has no maintainer scripts: the menu, the MIME database and the icon caches
# are brought up to date by the triggers of desktop-file-utils, shared-mime-info
# and gtk-update-icon-cache whenever a package adds or removes files in their
# folders, and dpkg removes every file it installed.

# A native package's changelog and copyright file, where Debian looks for them.
configure_file(debian/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright @ONLY)
configure_file(debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${VORLA_GZIP} -9nc ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog > ${changelog_gz}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(vorla_package_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright ${changelog_gz}
  DESTINATION ${VORLA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorla)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${VORLA_DEVELOPER_NAME}")
set(CPACK_PACKAGE_CONTACT "${VORLA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "fire-protection engineering suite: compartment fire, smoke filling, design fires")
set(CPACK_PACKAGE_DESCRIPTION
  "VORLA is a suite of desktop programs for fire-protection engineers:
VORLA-XW, a two-zone compartment fire model with one wall vent; SKEVA-XW,
a model of the smoke filling a closed room; and QDOT-XW, a design fire
generator writing the fire files both models read. The batch command vorla
runs the same calculations from scripts and writes the same reports.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the executables do not name but the windows need: Qt's platform plugins
# to open a window at all, and a monospaced font for the reports.
if(VORLA_BUILD_UI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
