#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two packages of one commit must be the same bytes; otherwise shows where they part.
set -euo pipefail
out=$1
if cmp -s "$out/first.deb" "$out/second.deb"; then
    echo "Both builds gave $(sha256sum <"$out/first.deb" | cut -c1-64)"
    exit 0
fi
echo "The two packages differ:" >&2
for deb in first second; do
    mkdir -p "$out/$deb-unpacked"
    dpkg-deb -R "$out/$deb.deb" "$out/$deb-unpacked"
    (cd "$out/$deb-unpacked" && find . -type f -exec sha256sum {} + | sort -k 2) >"$out/$deb.sums"
    dpkg-deb --contents "$out/$deb.deb" >"$out/$deb.contents"
done
diff "$out/first.contents" "$out/second.contents" >&2 || true
diff "$out/first.sums" "$out/second.sums" >&2 || true
exit 1
