#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's emulator for the Qt Test programs built for Windows: runs one under Wine and shows its report.
# Wine hands the program a pipe as its output that Qt Test's Windows reporter writes nothing to, so the
# report goes through a file.
# Usage: qt-test.sh <test.exe> [arguments]
set -uo pipefail
report=$(mktemp)
trap 'rm -f "$report"' EXIT
wine "$@" -o "$(winepath -w "$report"),txt"
status=$?
cat "$report"
exit "$status"
