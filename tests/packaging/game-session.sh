# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the packaging tests and scripts/screenshots: a private X server and the few
# steps of driving the game through it. Callers set `work` to a scratch folder first, and
# `scale` to the QT_SCALE_FACTOR the game runs with, if any.
scale=${scale:-1}

# Where the whole picture sits in the main window, in screen pixels.
play_area() {
    echo "$((320 * scale))x$((240 * scale))+$((14 * scale))+$((16 * scale))"
}

# Starts Xvfb on a free display and exports DISPLAY once the server accepts clients.
start_x_server() {
    local screen=${1:-800x600x24}
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    x_server_pid=$!
    for _ in $(seq 100); do
        if grep -q '^[0-9]\+$' "$work/display"; then
            export DISPLAY=":$(head -n 1 "$work/display")"
            return 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    return 1
}

stop_x_server() {
    if [ -n "${x_server_pid:-}" ]; then
        kill "$x_server_pid" 2>/dev/null || true
        wait "$x_server_pid" 2>/dev/null || true
    fi
}

# Prints the id of the visible window titled exactly $1, waiting up to $2 seconds.
wait_for_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Succeeds once no visible window is titled exactly $1, waiting up to $2 seconds.
wait_for_window_gone() {
    for _ in $(seq $((${2:-10} * 10))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Without a window manager nobody else hands out the keyboard.
focus_window() {
    xdotool windowfocus --sync "$1"
}

# Clicks at x, y of a window's client area, in the window's own pixels.
click_in_window() {
    local window=$1 x=$2 y=$3 WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + x * scale)) $((Y + y * scale)) click 1
}

# Starts the program from a folder where no images/ lies and waits for its main window,
# which it leaves focused in main_window; keeps the idle play area in idle.png. The program
# speaks English here, whatever the caller's locale, so its windows are found by these titles.
start_game() {
    (cd / && exec env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "$@") >"$work/game.log" 2>&1 &
    game_pid=$!
    main_window=$(wait_for_window Tilora 30)
    if [ -z "$main_window" ]; then
        echo "The main window did not appear:" >&2
        cat "$work/game.log" >&2
        return 1
    fi
    focus_window "$main_window"
    capture_play_area "$work/idle.png"
}

capture_play_area() {
    import -window "$main_window" -crop "$(play_area)" +repage "$1"
}

# New Game by its shortcut, then the first picture of the chooser and OK by Enter.
choose_first_picture() {
    xdotool key ctrl+n
    local chooser
    chooser=$(wait_for_window "Select Game" 10)
    [ -n "$chooser" ] || { echo "The picture chooser did not open" >&2; return 1; }
    focus_window "$chooser"
    click_in_window "$chooser" 30 14
    xdotool key Return
    # Focused while the chooser is still up, the main window would hold the keyboard without
    # Qt counting it active, and its shortcuts would be lost.
    wait_for_window_gone "Select Game" 10 || { echo "The picture chooser did not close" >&2; return 1; }
    focus_window "$main_window"
}

# Succeeds, printing the picture's name, when the play area leaves its idle picture for
# one of the JPEGs of folder $1 (stretched as the game stretches it); waits up to $2
# seconds. Only the wait for the change is hurried: the preview lasts five seconds.
wait_for_picture_from() {
    local folder=$1 seconds=${2:-10} picture
    for _ in $(seq $((seconds * 10))); do
        capture_play_area "$work/shown.png"
        if [ "$(difference "$work/shown.png" "$work/idle.png")" -ge 10 ]; then
            sleep 0.3
            capture_play_area "$work/shown.png"
            break
        fi
        sleep 0.1
    done
    for picture in "$folder"/*.jpg; do
        convert "$picture" -resize "$((320 * scale))x$((240 * scale))!" "$work/expected.png"
        if [ "$(difference "$work/shown.png" "$work/expected.png")" -lt 10 ]; then
            basename "$picture" .jpg
            return 0
        fi
    done
    echo "The game never showed a picture from $folder" >&2
    return 1
}

# Root-mean-square difference of two pictures of one size, in percent.
difference() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\([0-9.e-]*\)).*/\1/' | awk '{ printf "%d", $1 * 100 }'
}

# Ctrl+Q, then the program must end by itself with success.
quit_game() {
    focus_window "$main_window"
    xdotool key ctrl+q
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "Ctrl+Q did not end the program" >&2
        kill "$game_pid"
        return 1
    fi
    wait "$game_pid"
}

stop_game() {
    if [ -n "${game_pid:-}" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid"
    fi
}
