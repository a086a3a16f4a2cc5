#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's "DESTDIR=... cmake --install" lays out exactly the files and links the .deb ships.
# Usage: package-matches-install.sh <build folder> <.deb>
set -euo pipefail
build=$1
deb=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . -mindepth 1 ! -type d | sort) >"$work/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$work/shipped"
if ! diff -u "$work/shipped" "$work/installed"; then
    echo "The install rules and the package differ (- only in the .deb, + only installed)" >&2
    exit 1
fi
echo "$(wc -l <"$work/installed") files and links, the same in the .deb and the install"
