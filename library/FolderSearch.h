// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The platform's own directory search, one file per platform.
namespace FolderSearch {

// The bare names of the ordinary files that the pattern, a folder joined with a wildcard name such as
// "*.jpg", matches, ignoring letter case, in the order the file system hands them over. Folders, and
// files the platform hides from its file manager, are never among them.
QStringList MatchingFiles(const QString &pattern);

} // namespace FolderSearch
