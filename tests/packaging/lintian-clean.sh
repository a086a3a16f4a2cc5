#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's package checker finds no error and no warning; the lesser tags and the overridden
# ones are shown.
set -euo pipefail
deb=$1
lintian --display-info --display-experimental --pedantic --show-overrides --fail-on error,warning "$deb"
echo "lintian: no error, no warning in $(basename "$deb")"
