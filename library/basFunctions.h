// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The picture folder beside the executable; set once by the main window at start-up.
extern QString ImageFolder;

// Joins with exactly one of the platform's separators (a backslash on Windows) unless dir already ends with one;
// name is taken as is.
QString JoinPath(const QString &dir, const QString &name);

// Folder of the running executable, symlinks resolved, with the platform's separators; it ends with one
// only at a drive root.
QString ApplicationFolder();
