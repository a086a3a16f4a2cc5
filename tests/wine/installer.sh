#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer as a player meets it, under Wine: a silent install into a folder of the player's
# choosing, with the Start-menu shortcut and the Installed-apps entry; the installed game starts and
# ends with status 0; a silent uninstall removes all of it but a picture the player added.
# Needs DISPLAY (an X server with a window manager) and WINEPREFIX, as scripts/test-windows sets them.
# Usage: installer.sh <setup.exe> <sample pictures folder>
set -euo pipefail
setup=$1 samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tilora'
target="$work/Zoë's Игры/Tilora"
mkdir -p "$(dirname "$target")"

fail() { echo "FAIL: $*" >&2; exit 1; }
settle() { timeout 120 wineserver -w; }
shortcut() { echo "$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/Tilora.lnk"; }
registered() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = $2 = ""; print substr($0, 3) }'; }

# As typed at a Windows prompt: NSIS reads /D= to the end of the line, unquoted, spaces and all.
(cd "$(dirname "$setup")" && wine cmd /c "$(basename "$setup") /S /D=$(winepath -w "$target")")
settle
for file in tilora.exe uninstall.exe LICENSE.txt README.txt; do
    [ -f "$target/$file" ] || fail "$file not installed"
done
[ "$(find "$target/images" -name '*.jpg' | wc -l)" -eq "$(find "$samples" -maxdepth 1 -name '*.jpg' | wc -l)" ] \
    || fail "the sample pictures are not all installed"
[ -f "$(shortcut)" ] || fail "no Start-menu shortcut"
[ "$(registered DisplayName)" = Tilora ] || fail "no entry among the installed apps"
[ -n "$(registered DisplayVersion)" ] && [ -n "$(registered Publisher)" ] && [ -n "$(registered EstimatedSize)" ] \
    || fail "the installed-apps entry lacks version, publisher or size"

(cd "$target" && exec wine tilora.exe) &
game=$!
for _ in $(seq 1 300); do
    id=$(xdotool search --onlyvisible --name '^Tilora$' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
done
[ -n "${id:-}" ] || fail "the installed game shows no window"
xdotool windowactivate --sync "$id" key ctrl+q
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"

cp "$samples/$(ls "$samples" | grep -m 1 '[.]jpg$')" "$target/images/my holiday.jpg"
wine "$target/uninstall.exe" /S
settle
left=$(cd "$target" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./images ./images/my holiday.jpg " ] || fail "the uninstaller left: $left"
[ ! -e "$(shortcut)" ] || fail "the Start-menu shortcut stays"
[ -z "$(registered DisplayName)" ] || fail "the installed-apps entry stays"
echo "PASS: installed, started, and uninstalled keeping the player's picture"
