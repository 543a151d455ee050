# The Debian package (cpack -G DEB in the build folder): everything `cmake --install` lays
# out, under /usr, with the shared-library dependencies worked out by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
# Packaging and installing copy what the build made; they do not start a build of every
# target (tests, benchmarks) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME telar)
set(CPACK_PACKAGE_VENDOR Telar)
set(CPACK_PACKAGE_CONTACT "Telar <telar@telar.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grammatical inference for teaching (KR, KC, IM1, SKR, SKC)")
set(CPACK_PACKAGE_DESCRIPTION
    "Telar prepares samples of strings, runs grammatical inference algorithms (KR, KC,\n\
IM1 and, for Mealy machines, SKR and SKC), and shows, validates and saves the\n\
inferred automata. It comes with telar-cli, which runs the same commands without\n\
windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://telar.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(TARGET telar)
  # Loaded as plug-ins, which dpkg-shlibdeps cannot see: the help's database driver, and
  # the window-system plug-ins.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
endif()
include(CPack)
