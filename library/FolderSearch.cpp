// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/FolderSearch.h"

#include <QDir>
#include <QFileInfo>

namespace FolderSearch {

// Files or links to them; names starting with a dot are hidden.
QStringList MatchingFiles(const QString &pattern)
{
    const QFileInfo search(pattern);
    return QDir(search.path(), search.fileName(), QDir::NoSort, QDir::Files).entryList();
}

} // namespace FolderSearch
