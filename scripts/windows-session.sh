# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build and run the game for Windows (after windows-toolchain.sh): the
# Windows build folder, and Wine standing in for Windows on a private X server with a window manager.

# Debian 13's Wine 10, with the fonts Windows has that Wine only recommends (its own, and Arial's
# metrics for the result's caption); Japanese and Chinese ones, as every Windows 10 and 11 has; what the
# tests drive and judge the game with from outside; the installer's maker, and xz for the source download.
WINE_PACKAGES=(wine wine64 fonts-wine fonts-liberation2 fonts-ipafont-gothic fonts-wqy-microhei)
WINE_PACKAGES+=(xvfb openbox xdotool x11-utils imagemagick nsis zip unzip xz-utils binutils-mingw-w64-x86-64)
# Wine takes a program's language, and how it reads file names, from the C library's locale.
WINE_PACKAGES+=(locales)

# The locales the tests start the game in, where missing from Debian's package of them all: making them
# would need root for more than apt.
ensure_test_locales() {
    local locale
    for locale in de_DE ja_JP; do
        locale -a | grep -qx "$locale.utf8" || { ensure_packages locales-all; return; }
    done
}

# Configures the Windows build once: Qt's own toolchain file brings the cross compiler and the build
# machine's Qt tools; the tests run through Wine (tests/wine/qt-test.sh). Without debugging information: every program links
# all of Qt, and the player gets the program as built.
configure_windows_build() {
    local build=$1 toolchain=$MINGW_QT/lib/cmake/Qt6/qt.toolchain.cmake; shift
    # A tree configured against another Qt build is configured afresh: CMake reads the toolchain once.
    if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain\$" "$build/CMakeCache.txt"; then
        rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
    fi
    configure_project . "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_PREFIX_PATH="$MINGW_JPEG" -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tests/wine/qt-test.sh" \
        -DTILORA_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations "$@"
}

# A player needs tilora.exe and nothing beside it: every DLL it imports must be one of Windows' own, which
# Wine provides each of as a built-in. It is a GUI program, which opens no console window.
check_windows_program() {
    local program=$1 dll status=0 builtins
    if ! x86_64-w64-mingw32-objdump -p "$program" | grep '^Subsystem.*(Windows GUI)' >/dev/null; then
        echo "$program is not a Windows GUI program" >&2
        status=1
    fi
    builtins=$(dirname "$(find /usr/lib -path '*/wine/x86_64-windows/kernel32.dll' | head -n 1)")
    [ -d "$builtins" ] || { echo "Wine's built-in DLLs not found" >&2; return 1; }
    while read -r dll; do
        # API sets are names that Windows' loader (and Wine's) maps onto its own DLLs.
        [[ ${dll,,} == api-ms-win-* || ${dll,,} == ext-ms-win-* ]] && continue
        if [ ! -f "$builtins/${dll,,}" ]; then
            echo "$program imports $dll, which is not one of Windows' own DLLs" >&2
            status=1
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$program" | awk '/DLL Name:/ { print $3 }')
    return "$status"
}

# Starts Xvfb with openbox and sets up a private Wine prefix for the build, made once and kept in it. Gives up
# with a message, leaving nothing running, when the X server or Wine's set-up fails.
start_windows_session() {
    local build=$1 display_file log
    export WINEPREFIX=$(realpath -m "$build")/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 300); do
        [ -s "$display_file" ] || ! kill -0 "$XVFB_PID" 2>/dev/null && break
        sleep 0.1
    done
    DISPLAY=:$(cat "$display_file")
    rm -f "$display_file"
    if [ "$DISPLAY" = : ]; then
        stop_windows_session
        echo "Xvfb did not start: Wine has no X server to show windows on" >&2
        return 1
    fi
    export DISPLAY
    openbox >/dev/null 2>&1 &
    OPENBOX_PID=$!
    if [ ! -f "$WINEPREFIX/.made" ]; then
        local start=$SECONDS
        rm -rf "$WINEPREFIX"
        log=$(dirname "$WINEPREFIX")/wineboot.log
        mkdir -p "$(dirname "$WINEPREFIX")"
        if ! timeout 600 wineboot -i >"$log" 2>&1 || ! timeout 600 wineserver -w; then
            tail -n 20 "$log" >&2
            stop_windows_session
            echo "wineboot could not make the Wine prefix $WINEPREFIX (its output: $log)" >&2
            return 1
        fi
        touch "$WINEPREFIX/.made"
        echo "Made the Wine prefix in $((SECONDS - start)) s"
    fi
}

# Ends Wine's server with every Windows program of the prefix, the window manager and the X server.
stop_windows_session() {
    [ -z "${WINEPREFIX:-}" ] || timeout 60 wineserver -k 2>/dev/null || true
    kill "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    wait "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    OPENBOX_PID= XVFB_PID=
}
