#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A distribution configures with no option of ours: the game's code is still warned of
# everything, but a warning that a newer compiler finds must not fail its build.
# Usage: plain-configure.sh <source folder> <scratch build folder>
set -euo pipefail
source_dir=$1
out=$2

rm -rf "$out"
if ! cmake -S "$source_dir" -B "$out" -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
        >"$out.log" 2>&1; then
    cat "$out.log" >&2
    echo "A plain configure failed" >&2
    exit 1
fi
commands=$out/compile_commands.json
game_source=$(realpath "$source_dir/game/Board.cpp")
grep -q -- "-Wall -Wextra.*$game_source" "$commands" \
    || { echo "The game's own code is no longer built with -Wall -Wextra" >&2; exit 1; }
if grep -q -- '-Werror' "$commands"; then
    echo "A plain build turns warnings into errors:" >&2
    grep -m1 -- '-Werror' "$commands" >&2
    exit 1
fi
echo "Plain configure: warnings stay warnings"
