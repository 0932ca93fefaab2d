# `cpack -G DEB` in a build folder makes an installable Debian package of
# everything `cmake --install` installs: cuprena, cuprena-cli, the menu entry
# and the icon.
set(CPACK_PACKAGE_NAME cuprena)
set(CPACK_PACKAGE_VENDOR "The Cuprena developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Cuprena reads an Autotrax/Easytrax ASCII design and writes a copy beside it with clearance artwork on the ground plane (layer 9) and the power plane (layer 10). cuprena is the dialog, cuprena-cli the same conversion for scripts.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Cuprena developers")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
