# `make package`: a Debian package of everything `make install` installs.
# dpkg-shlibdeps works out the library dependencies from the binaries, so the
# package asks for exactly what this build links against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flexoria)
set(CPACK_PACKAGE_VENDOR "The Flexoria developers")
set(CPACK_PACKAGE_CONTACT "The Flexoria developers <flexoria@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spanish verb conjugator")
set(CPACK_PACKAGE_DESCRIPTION
    "Flexoria conjugates Spanish verbs in all thirteen forms, the endings in red.\n\
Regular verbs come from their endings and irregular ones from two built-in\n\
catalogues; a lexicon of known infinitives warns about unknown words.\n\
The package holds the window program flexoria and the command-line tool\n\
flexoria-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/flexoria/flexoria)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET flexoria)
  # Qt finds its display plugins at run time, so no library link names them;
  # the window's serif face is a metric match of the one it was drawn for.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
endif()
include(CPack)
