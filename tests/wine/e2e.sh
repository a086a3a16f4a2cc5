#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real tilora.exe under Wine, driven from outside with xdotool and judged by what X shows: Wine hands
# every Windows window to X as a window of its own, and the About window's region as its shape.
# Needs DISPLAY (an X server with openbox) and WINEPREFIX, as scripts/test-windows sets them.
# Usage: e2e.sh <tilora.exe> <sample pictures folder> <scenario>
set -euo pipefail
program=$1 samples=$2 scenario=$3
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# The layout, from each client area's top-left corner.
NEW_GAME=(27 299) ABOUT=(77 299) EXIT=(127 299)
FIRST_ENTRY=(34 16) CHOOSER_OK=(200 24) CHOOSER_CANCEL=(200 66)
ABOUT_OK=(330 37)

fail() { echo "FAIL ($scenario): $*" >&2; import -window root "$work/failed.png" 2>/dev/null \
    && cp "$work/failed.png" "${E2E_SHOTS:-.}/failed-$scenario.png" 2>/dev/null; exit 1; }

# The X window showing the Windows window of that caption, once it is mapped.
window_of() {
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$(sed 's/[.]/[.]/g' <<<"$1")\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$(sed 's/[.]/[.]/g' <<<"$1")\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Left, top, width and height of the window's client area on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                             /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}

click() {
    local id=$1 x=$2 y=$3 left top
    read -r left top _ <<<"$(geometry "$id")"
    xdotool mousemove --sync $((left + x)) $((top + y)) click 1
}

# The colour of a screen pixel as "r,g,b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

start_game() {
    local folder=$1
    (cd "$folder" && exec wine tilora.exe) &
    GAME_PID=$!
    MAIN=$(window_of Tilora) || fail "no main window"
}

# A copy of the game with its pictures in a folder whose path has spaces and other scripts.
install_copy() {
    local folder="$work/Program Files/Zoë/Игры/Tilora"
    mkdir -p "$folder/images"
    cp "$program" "$folder/tilora.exe"
    cp "$samples"/*.jpg "$folder/images/"
    echo "$folder"
}

expect_exit_status_zero() {
    local status=0
    wait "$GAME_PID" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}

# Caption, client size, centred with its frame, alone in the taskbar; Exit ends it with status 0.
startup() {
    local folder x y w h extents left right top bottom screen_w screen_h
    folder=$(install_copy)
    start_game "$folder"
    read -r x y w h <<<"$(geometry "$MAIN")"
    [ "$w $h" = "349 329" ] || fail "client area $w x $h"
    extents=$(xprop -id "$MAIN" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    read -r screen_w screen_h <<<"$(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')"
    local dx=$(( (x - left) + (x + w + right) - screen_w )) dy=$(( (y - top) + (y + h + bottom) - screen_h ))
    [ "${dx#-}" -le 8 ] && [ "${dy#-}" -le 8 ] || fail "not centred: frame off by $dx/2, $dy/2"
    click "$MAIN" "${EXIT[@]}"
    expect_exit_status_zero
}

"$scenario"
echo "PASS $scenario"
