#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and starts the game through its games/ link: the
# link is relative, and the game finds the pictures installed beside its real executable.
set -euo pipefail
build=$1
source_dir=$2
work=$(mktemp -d)
source "$(dirname "$0")/game-session.sh"
trap 'stop_game; stop_x_server; rm -rf "$work"' EXIT

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
usr="$work/root/usr"
app_id=io.github.tilora.Tilora

fail() { echo "$*" >&2; exit 1; }

app_dir="$usr/lib/games/tilora"
[ "$(readlink "$usr/games/tilora")" = ../lib/games/tilora/tilora ] \
    || fail "games/tilora is not the relative link ../lib/games/tilora/tilora"
[ -x "$app_dir/tilora" ] || fail "no executable in lib/games/tilora"
diff <(cd "$source_dir/images" && ls ./*.jpg) <(cd "$app_dir/images" && ls ./*.jpg) \
    || fail "lib/games/tilora/images does not hold exactly the sample pictures"
# The manual page tells players where to drop their own pictures: that folder must be it.
named=$(zcat "$usr/share/man/man6/tilora.6.gz" | sed -n '/^\.SH FILES/,$ s|^\.I \(/.*/images/\)$|\1|p')
[ -n "$named" ] && [ "$(realpath "$work/root$named")" = "$(realpath "$app_dir/images")" ] \
    || fail "the manual page names '$named', not the installed picture folder"
zcat "$usr/share/doc/tilora/changelog.gz" | head -n 1 | grep -q '^tilora (1\.0\.0)' \
    || fail "the changelog does not start with 1.0.0"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$usr/share/doc/tilora/copyright" || fail "the copyright file is not machine-readable"
# Also finds the desktop entry that the metainfo launches.
appstreamcli validate-tree --no-net "$work/root" >"$work/validate.log" \
    || { cat "$work/validate.log" >&2; fail "the installed metainfo and desktop entry do not agree"; }
for size in 16 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done

start_x_server 640x480x24
start_game "$usr/games/tilora"
choose_first_picture
echo "Playing $(wait_for_picture_from "$app_dir/images") from the installed folder"
quit_game
