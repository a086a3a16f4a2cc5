#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the page's download twice, in two build folders, and compares them: the zip and the source archive
# must come out byte for byte the same. The zip must hold every file of the page under tilora/, with the
# licence and the notices of what is linked in.
# Usage: packages-twice.sh <source folder> <first build folder> <second build folder>
set -euo pipefail
source_dir=$1 first=$2 second=$3
for build in "$first" "$second"; do
    mkdir -p "$build"
    if ! "$source_dir/scripts/package-web" "$build" >"$build/package-web.log" 2>&1; then
        tail -n 40 "$build/package-web.log" >&2
        echo "scripts/package-web failed in $build" >&2
        exit 1
    fi
done
status=0
for file in "$first"/packages/*.zip "$first"/packages/*-source.tar.xz; do
    twin=$second/${file#"$first"/}
    if cmp -s "$file" "$twin"; then
        echo "same bytes: ${file#"$first"/}"
    else
        echo "FAIL: ${file#"$first"/} differs between the two builds" >&2
        status=1
    fi
done
(cd "$first/packages" && sha256sum -c SHA256SUMS)
listed=$(unzip -Z1 "$first"/packages/*-web.zip)
for file in $(cat "$first/for-packages/page-files.txt") LICENSE THIRD-PARTY-NOTICES.txt; do
    grep -qx "tilora/$file" <<<"$listed" || { echo "FAIL: the zip lacks tilora/$file" >&2; status=1; }
done
for part in "GNU LESSER GENERAL PUBLIC LICENSE" "src/3rdparty/libjpeg" "src/3rdparty/harfbuzz-ng" "musl" "libc++"; do
    grep -q -- "$part" "$first/stage/tilora/THIRD-PARTY-NOTICES.txt" \
        || { echo "FAIL: the notices do not cover $part" >&2; status=1; }
done
exit "$status"
