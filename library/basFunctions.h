// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The picture folder beside the executable; set once by the main window at start-up.
extern QString ImageFolder;

// Joins with exactly one separator unless dir already ends with one; name is taken as is.
QString JoinPath(const QString &dir, const QString &name);

// Folder of the running executable, symlinks resolved.
QString ApplicationFolder();
