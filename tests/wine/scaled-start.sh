#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# tilora.exe started on Windows set to 150 % (144 DPI, Wine's LogPixels), where Windows scales the frame
# too: the main window comes up at one and a half times its size, draws its picture over all of it, and
# Exit ends it with status 0. The end-to-end suite judges its pixels at 100 %; this is its start at 150 %.
# Leaves the screenshot tilora-144dpi.png in the working folder.
# Needs DISPLAY (an X server with a window manager) and WINEPREFIX, as scripts/test-windows sets them.
# Usage: scaled-start.sh <tilora.exe>
set -euo pipefail
program=$1
desktop='HKCU\Control Panel\Desktop'
game=
trap '[ -z "$game" ] || kill "$game" 2>/dev/null; wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1; wineserver -k' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Wine reads the DPI as its server starts.
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k
(cd "$(dirname "$program")" && exec wine "$(basename "$program")") &
game=$!
for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name '^Tilora$' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
done
[ -n "${id:-}" ] || fail "tilora.exe shows no window"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$id")"
# 349 x 329 at 150 %, each half rounded up as Qt rounds.
[ "$WIDTH" -eq 524 ] && [ "$HEIGHT" -eq 494 ] || fail "the main window is $WIDTH x $HEIGHT at 144 DPI"
import -window root tilora-144dpi.png
colours=$(convert tilora-144dpi.png -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format %k info:)
[ "$colours" -gt 1000 ] || fail "the main window shows $colours colours: its picture is not drawn"

xdotool windowactivate --sync "$id" key ctrl+q
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "tilora.exe ended with status $status"
echo "PASS: at 144 DPI the main window is $WIDTH x $HEIGHT and shows $colours colours"
