# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One .deb with everything the install rules lay out under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tilora)
set(CPACK_PACKAGE_VENDOR "Tilora developers")
set(CPACK_PACKAGE_CONTACT "Tilora developers <tilora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture tile puzzle against the clock")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tilora cuts a picture into 48 scrambled squares after a five-second look at the
whole. Drag one square onto another to swap them, and put every square back in
its place before 250 seconds have run out. Sample pictures are included, and
any JPEG added to /usr/lib/games/tilora/images can be played too.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The result caption asks for Arial; without a metric-compatible font it changes width.
# Qt runs natively on Wayland only when its Wayland plugin is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")

include(CPack)
