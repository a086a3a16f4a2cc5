#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and starts the game through its bin/ link: the
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

[ "$(readlink "$usr/bin/tilora")" = ../lib/tilora/tilora ] || fail "bin/tilora is not the relative link ../lib/tilora/tilora"
[ -x "$usr/lib/tilora/tilora" ] || fail "no executable in lib/tilora"
diff <(cd "$source_dir/images" && ls ./*.jpg) <(cd "$usr/lib/tilora/images" && ls ./*.jpg) \
    || fail "lib/tilora/images does not hold exactly the sample pictures"
# Also finds the desktop entry that the metainfo launches.
appstreamcli validate-tree --no-net "$work/root" >"$work/validate.log" \
    || { cat "$work/validate.log" >&2; fail "the installed metainfo and desktop entry do not agree"; }
for size in 16 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done

start_x_server 640x480x24
start_game "$usr/bin/tilora"
choose_first_picture
echo "Playing $(wait_for_picture_from "$usr/lib/tilora/images") from the installed folder"
quit_game
