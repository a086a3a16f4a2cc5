#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer as a player meets it, under Wine. The previous commit's installer goes first, into a
# folder of the player's choosing, and the player adds a picture. This one, run silently while that game
# runs, waits and changes nothing until the game is closed; then it upgrades in place (found
# through the registry): the picture is kept, the samples are this version's, and there is one
# installed-apps entry, with its support fields.
# The installed game starts and ends with status 0; a silent uninstall while it runs waits for it too,
# and then removes all of it but the player's picture.
# Needs DISPLAY (an X server with a window manager) and WINEPREFIX, as scripts/test-windows sets them.
# Usage: installer.sh <setup.exe> <sample pictures folder> <source folder> [earlier commit, default HEAD~1]
set -euo pipefail
setup=$(realpath "$1") samples=$2 source_dir=$3 earlier=${4:-HEAD~1}
# Beside the packages: the earlier commit is built here, too much for a small /tmp.
work=$(mktemp -d "$(dirname "$setup")/../installer-test.XXXXXX")
game=
trap '[ -z "$game" ] || kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tilora'
target="$work/Zoë's Игры/Tilora"
mkdir -p "$(dirname "$target")"

fail() { echo "FAIL: $*" >&2; exit 1; }
settle() { timeout 120 wineserver -w; }
shortcut() { echo "$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/Tilora.lnk"; }
registered() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = $2 = ""; print substr($0, 3) }'; }
entries() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName.*REG_SZ.*Tilora$' || true; }
# Runs an installer, or an uninstaller in place (_?=), silently and prints its exit status. Through a
# Windows prompt, as for /D=: NSIS reads _?= to the end of the line, unquoted.
silently() { local status=0; (cd "$(dirname "$1")" && wine cmd /c "$(basename "$1") /S ${*:2}") || status=$?; echo "$status"; }

start_game() {
    (cd "$target" && exec wine tilora.exe) &
    game=$!
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name '^Tilora$' 2>/dev/null | head -n 1) && [ -n "$id" ] && return
        sleep 0.1
    done
    fail "the installed game shows no window"
}

# A silent install while the game runs waits: five seconds on, it has not ended.
still_waiting() {
    sleep 5
    kill -0 "$1" 2>/dev/null || fail "the installer did not wait while the game ran (status $(cat "$work/status"))"
}

stop_game() {
    local status=0
    xdotool windowactivate --sync "$id" key ctrl+q
    wait "$game" || status=$?
    game=
    [ "$status" -eq 0 ] || fail "the installed game ended with status $status"
}

# The earlier commit's installer, made from a clone of it with its own scripts but this commit's Qt and
# libjpeg-turbo: a change to their recipe must not build a second Qt.
commit=$(git -C "$source_dir" rev-parse "$earlier")
git clone -q --shared --no-checkout "$(git -C "$source_dir" rev-parse --path-format=absolute --git-common-dir)" "$work/earlier"
git -C "$work/earlier" checkout -q --detach "$commit"
cp "$source_dir/scripts/windows-toolchain.sh" "$work/earlier/scripts/"
# Its build folder's name has a space, as a Windows user's folders often do.
"$work/earlier/scripts/package-windows" "$work/earlier/build folder" >"$work/earlier.log" 2>&1 \
    || { tail -n 30 "$work/earlier.log" >&2; fail "the earlier commit's installer could not be made"; }
earlier_setup=$(find "$work/earlier/build folder/packages" -name '*-setup.exe')

# As typed at a Windows prompt: NSIS reads /D= to the end of the line, unquoted, spaces and all.
(cd "$(dirname "$earlier_setup")" && wine cmd /c "$(basename "$earlier_setup") /S /D=$(winepath -w "$target")")
settle
[ -f "$target/tilora.exe" ] || fail "the earlier version is not installed"
cp "$samples/$(ls "$samples" | grep -m 1 '[.]jpg$')" "$target/images/my holiday.jpg"
# A sample the earlier version shipped and this one does not, where the earlier one lists its samples.
if [ -f "$target/samples.lst" ]; then
    touch "$target/images/retired-sample.jpg"
    echo "retired-sample.jpg" >>"$target/samples.lst"
fi

start_game
cp "$target/tilora.exe" "$work/earlier.exe"
silently "$setup" >"$work/status" &
waiting=$!
still_waiting "$waiting"
cmp -s "$target/tilora.exe" "$work/earlier.exe" || fail "the installer replaced the running game"
stop_game
wait "$waiting"
[ "$(cat "$work/status")" -eq 0 ] || fail "the upgrade, once the game was closed, failed"
settle
for file in tilora.exe uninstall.exe LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt; do
    [ -f "$target/$file" ] || fail "$file not installed"
done
installed=$(cd "$target/images" && ls | LC_ALL=C sort | tr '\n' '|')
expected=$( (cd "$samples" && ls -- *.jpg; echo "my holiday.jpg") | LC_ALL=C sort | tr '\n' '|')
[ "$installed" = "$expected" ] || fail "after the upgrade the pictures are $installed"
for picture in "$samples"/*.jpg; do
    cmp -s "$picture" "$target/images/$(basename "$picture")" || fail "$(basename "$picture") is not this version's"
done
[ -f "$(shortcut)" ] || fail "no Start-menu shortcut"
[ "$(entries)" -eq 1 ] || fail "$(entries) installed-apps entries for Tilora"
[ "$(registered DisplayName)" = Tilora ] || fail "no entry among the installed apps"
# reg prints the folder's name in the console's code page: its end is compared, and the notices by it.
location=$(registered InstallLocation)
[[ $location == *'\Tilora' ]] || fail "the entry names another folder: $location"
[ -n "$(registered DisplayVersion)" ] && [ -n "$(registered Publisher)" ] || fail "the entry lacks version or publisher"
[ "$(registered URLInfoAbout)" = https://tilora.github.io/ ] || fail "the entry's support link is $(registered URLInfoAbout)"
[ "$(registered Readme)" = "$location\\THIRD-PARTY-NOTICES.txt" ] || fail "the entry names no notices"
size=$(( $(registered EstimatedSize) ))
real=$(( ($(find "$target" -type f -printf '%s+') 0) / 1024 ))
[ "$size" -ge "$real" ] && [ "$size" -le $((real + 32)) ] || fail "EstimatedSize is $size KiB for $real KiB of files"

# As Settings starts it: the uninstaller runs from a copy of itself, which waits while the game runs.
start_game
[ "$(silently "$target/uninstall.exe")" -eq 0 ] || fail "the uninstaller did not start"
sleep 5
[ -f "$target/tilora.exe" ] && [ "$(registered DisplayName)" = Tilora ] || fail "the uninstaller removed part of it"
stop_game
settle
left=$(cd "$target" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./images ./images/my holiday.jpg " ] || fail "the uninstaller left: $left"
[ ! -e "$(shortcut)" ] || fail "the Start-menu shortcut stays"
[ -z "$(registered DisplayName)" ] || fail "the installed-apps entry stays"
echo "PASS: upgraded over $commit keeping the player's picture, waited while the game ran, uninstalled"
