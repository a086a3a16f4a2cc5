#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows downloads twice, in two build folders, and compares them: the zip, tilora.exe and the
# source archive must come out byte for byte the same, with no time or path of either build in them. The
# installer is compared too, and the answer told. The first build's packages stay for the installer's test.
# Usage: packages-twice.sh <source folder> <first build folder> <second build folder>
set -euo pipefail
source_dir=$1 first=$2 second=$3
for build in "$first" "$second"; do
    # The log stays inside the build folder: beside it would be in the source tree.
    mkdir -p "$build"
    if ! "$source_dir/scripts/package-windows" "$build" >"$build/package-windows.log" 2>&1; then
        tail -n 40 "$build/package-windows.log" >&2
        echo "scripts/package-windows failed in $build" >&2
        exit 1
    fi
done
status=0
for file in "$first"/packages/*.zip "$first"/packages/*-setup.exe "$first"/packages/*-source.tar.xz \
    "$first"/stage/Tilora/tilora.exe; do
    twin=$second/${file#"$first"/}
    if cmp -s "$file" "$twin"; then
        echo "same bytes: ${file#"$first"/}"
    elif [[ $file == *-setup.exe ]]; then
        echo "the installers differ: $(cmp "$file" "$twin" | head -n 1)"
    else
        echo "FAIL: ${file#"$first"/} differs between the two builds" >&2
        status=1
    fi
done
(cd "$first/packages" && sha256sum -c SHA256SUMS)
exit "$status"
