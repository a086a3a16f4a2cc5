#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped program passes hardening-check and has no compiler notes. Two features may read
# "unknown" there whatever the flags, so a probe built with the package build's own flags must show
# them: fortification (the game may call no libc function whose buffer size is known at compile
# time) and stack clash probes (no frame of the game is large enough to need one).
# Control-flow protection: the linker keeps a program's IBT and SHSTK marking only when every object
# carries it, and the C library's start files of Debian 12 and 13 carry none. So every object the
# game is built from must be marked, and where a probe keeps the marking, the game must keep it too.
set -euo pipefail
deb=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

dpkg-deb -x "$deb" "$work/root"
program="$work/root/usr/lib/games/tilora/tilora"
# Branch protection is AArch64's, yet Debian 13's hardening-check asks for it everywhere.
checks=()
if [ "$(dpkg --print-architecture)" != arm64 ] && grep -q -- --nobranchprotection <<<"$(hardening-check --help 2>&1 || true)"; then
    checks+=(--nobranchprotection)
fi
hardening-check "${checks[@]}" --nocfprotection "$program"
if readelf -S "$program" | grep -q '\.comment'; then
    fail "the shipped program still has a .comment section"
fi

cache="$build/CMakeCache.txt"
setting() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
build_type=$(setting CMAKE_BUILD_TYPE)
flags="$(setting CMAKE_CXX_FLAGS) $(setting "CMAKE_CXX_FLAGS_${build_type^^}")"
linker_flags=$(setting CMAKE_EXE_LINKER_FLAGS)
# shellcheck disable=SC2086 # the flags are lists
g++ $flags $linker_flags "$(dirname "$0")/hardening-probe.cpp" -o "$work/probe"
hardening-check "${checks[@]}" "$work/probe" >"$work/probe.txt" || true
grep -q 'Fortify Source functions: yes' "$work/probe.txt" \
    || fail "the package build's flags do not fortify: $flags"
grep -q 'Stack clash protection: yes' "$work/probe.txt" \
    || fail "the package build's flags do not probe the stack: $flags"
echo "The package build's flags fortify and probe the stack: $flags $linker_flags"

unmarked=$(find "$build" -name '*.o' -exec sh -c \
    'readelf -n "$1" | grep -q "x86 feature: IBT, SHSTK" || echo "$1"' _ {} \;)
[ -z "$unmarked" ] || fail "objects without control-flow protection: $unmarked"
if grep -q 'Control flow integrity: yes' "$work/probe.txt"; then
    hardening-check "${checks[@]}" "$program"
else
    echo "Every object is marked for control-flow protection; this release's start files are not:"
    readelf -n "$work/probe" | grep 'x86' || true
fi
