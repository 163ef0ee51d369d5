# `make package`: a Debian package of the installed tree, its library dependencies computed by
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velimora)
set(CPACK_PACKAGE_VENDOR "The Velimora developers")
set(CPACK_PACKAGE_CONTACT "The Velimora developers <velimora@velimora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finnish-Danish and Danish-Finnish dictionary")
set(CPACK_PACKAGE_DESCRIPTION
    "Velimora looks up Finnish and Danish words in a Finnish-Danish and a Danish-Finnish\n\
dictionary, analyses inflected forms and compounds back to their base words, and shows\n\
the matching articles in a desktop window or on the terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velimora.org/")
set(CPACK_STRIP_FILES ON)
include(CPack)
