#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's package checker finds no error and no warning; the lesser tags are shown.
set -euo pipefail
deb=$1
lintian --info --display-info --pedantic --fail-on error,warning "$deb"
echo "lintian: no error, no warning in $(basename "$deb")"
