#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's emulator for the Qt Test programs built for Windows: runs one under Wine and shows its report.
# Wine hands the program a pipe as its output that Qt Test's Windows reporter writes nothing to, so the
# report goes through a file.
# Usage: [TILORA_WINE_DPI=<dpi>] qt-test.sh <test.exe> [arguments]
set -uo pipefail
report=$(mktemp)
trap 'rm -f "$report"' EXIT
# Windows' own scaling, frame included: Wine takes the system's DPI from the user's LogPixels as its
# server starts. TILORA_WINE_DPI sets it for this one run, with a server of its own.
desktop='HKCU\Control Panel\Desktop'
if [ -n "${TILORA_WINE_DPI:-}" ]; then
    wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$TILORA_WINE_DPI" /f >/dev/null 2>&1
    wineserver -k
    trap 'wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1; wineserver -k; rm -f "$report"' EXIT
fi
wine "$@" -o "$(winepath -w "$report"),txt"
status=$?
cat "$report"
exit "$status"
