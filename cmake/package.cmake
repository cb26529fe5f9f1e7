# The Debian package, made by scripts/package from a Release build with the prefix /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagetint)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pagetint developers")
set(CPACK_PACKAGE_CONTACT "Pagetint developers <${PAGETINT_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "choose the five colours of an HTML page body")
set(CPACK_PACKAGE_DESCRIPTION
    "Pagetint is a small desktop tool for web authors, with a Japanese interface. It edits \
the five colours of an HTML page body (background, text, link, visited and active link), \
shows them on a preview panel, picks colours from a palette of 139 named colours, the \
screen or the colour dialog, and copies them as a BODY tag or CSS rules, saves an HTML \
template or opens a preview page in the browser.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # pagetint_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PAGETINT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pagetint developers <${PAGETINT_CONTACT_EMAIL}>")
# The libraries come from dpkg-shlibdeps; the fonts the preview and the interface are drawn
# with, and Qt's Japanese texts, are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
