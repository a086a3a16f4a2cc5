// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/FolderSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <windows.h>

namespace {

constexpr DWORD Unlisted = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Windows matches "*.jpg" against a file's short 8.3 name as well, so "notes.jpgx" (short name
// NOTES~1.JPG) would be found too: only names that the pattern itself matches are kept.
QRegularExpression LongNames(const QString &wildcard)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                              QRegularExpression::CaseInsensitiveOption);
}

// A plain path ends at 260 characters, where a folder deep in a tree may lie; the \\?\ form of an
// absolute path reaches 32,767 whatever the system's settings. It takes no "." or ".." and no slashes.
QString LongPathForm(const QString &pattern)
{
    const QString absolute = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(pattern).absoluteFilePath()));
    if (absolute.startsWith(QStringLiteral("\\\\?\\")))
        return absolute;
    if (absolute.startsWith(QStringLiteral("\\\\")))
        return QStringLiteral("\\\\?\\UNC\\") + absolute.mid(2);
    return QStringLiteral("\\\\?\\") + absolute;
}

} // namespace

namespace FolderSearch {

QStringList MatchingFiles(const QString &pattern)
{
    QStringList names;
    const QRegularExpression longNames = LongNames(QFileInfo(pattern).fileName());
    const QString native = LongPathForm(pattern);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(reinterpret_cast<const wchar_t *>(native.utf16()), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        if (!(found.dwFileAttributes & Unlisted) && longNames.match(name).hasMatch())
            names.append(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

} // namespace FolderSearch
