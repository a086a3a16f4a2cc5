#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from the build tree, checks its control fields, unpacks it into a
# scratch root and plays the game from there.
set -euo pipefail
build=$1
work=$(mktemp -d)
source "$(dirname "$0")/game-session.sh"
trap 'stop_game; stop_x_server; rm -rf "$work"' EXIT

fail() { echo "$*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/package/tilora_*.deb)

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tilora ] || fail "wrong package name"
[ "$(field Section)" = games ] || fail "section is not games"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ "$(field Description | wc -l)" -gt 1 ] || fail "no long description"
dpkg-deb -x "$deb" "$work/root"

# Every library the program needs is depended on, by the name of the package that holds it here
# (Debian 13 renamed many for its 64-bit time).
depends=$(field Depends)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for library in $(readelf -d "$work/root/usr/lib/games/tilora/tilora" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    holder=$(dpkg -S "*/$multiarch/$library" | sed -n '1s/:.*//p')
    [ -n "$holder" ] || fail "no installed package holds $library"
    grep -q "\(^\|, \)$holder\b" <<<"$depends" || fail "Depends lacks $holder for $library: $depends"
done
grep -q '\bqt6-wayland\b' <<<"$(field Recommends)" || fail "Recommends lacks qt6-wayland"

start_x_server 640x480x24
start_game "$work/root/usr/games/tilora"
choose_first_picture
echo "$(basename "$deb"): playing $(wait_for_picture_from "$work/root/usr/lib/games/tilora/images")"
quit_game
