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
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
grep -q '\bqt6-wayland\b' <<<"$(field Recommends)" || fail "Recommends lacks qt6-wayland"

dpkg-deb -x "$deb" "$work/root"
start_x_server 640x480x24
start_game "$work/root/usr/games/tilora"
choose_first_picture
echo "$(basename "$deb"): playing $(wait_for_picture_from "$work/root/usr/lib/games/tilora/images")"
quit_game
