# `make package`: a Debian package of what `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesperon)
set(CPACK_PACKAGE_VENDOR "The Vesperon developers")
set(CPACK_PACKAGE_CONTACT "${VESPERON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "black out chosen monitors of a multi-monitor desktop")
# Lines of at most 80 characters, as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vesperon covers the monitors you choose with black windows that stay above"
    "everything else (panels, menus, notifications), so that your attention stays"
    "on the monitors that remain lit, or so that an OLED panel rests. It lives in"
    "the system tray, has global hotkeys, and wakes every monitor when you come"
    "back: a click, a key you allow, or mouse movement. A command line and a D-Bus"
    "interface drive it from key bindings and scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VESPERON_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vesperon/vesperon)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so no library dependency names them: the SVG icons, Qt on Wayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-wayland")
# Qt's own translations give key names in the user's language ("Strg", "Umschalt").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
