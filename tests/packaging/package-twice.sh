#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Clones the commit checked out in the source folder twice and runs scripts/package in each
# clone, leaving first.deb and second.deb (and the first build folder) in the output folder.
# Without ccache, so that neither build can reuse what the other compiled.
set -euo pipefail
source_dir=$1
out=$2
commit=$(git -C "$source_dir" rev-parse HEAD)

rm -rf "$out"
mkdir -p "$out"
for clone in first second; do
    # The clone's own HEAD could be another branch: check out the commit itself.
    git clone --quiet --no-checkout "$source_dir" "$out/$clone"
    git -C "$out/$clone" checkout --quiet --detach "$commit"
    if ! CCACHE_DISABLE=1 "$out/$clone/scripts/package" >"$out/$clone.log" 2>&1; then
        tail -n 40 "$out/$clone.log" >&2
        echo "scripts/package failed in the $clone clone" >&2
        exit 1
    fi
    cp "$out/$clone"/build-package/packages/tilora_*.deb "$out/$clone.deb"
done
echo "Packaged commit $commit twice"
