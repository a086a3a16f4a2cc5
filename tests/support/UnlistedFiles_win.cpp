// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UnlistedFiles.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <windows.h>

namespace {

bool Write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool AddAttribute(const QString &path, DWORD attribute)
{
    const auto *native = reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16());
    return SetFileAttributesW(native, GetFileAttributesW(native) | attribute);
}

} // namespace

namespace UnlistedFiles {

QStringList Make(const QString &folder, const QByteArray &jpeg)
{
    const QDir dir(folder);
    const QString hidden = dir.filePath(QStringLiteral("hidden.jpg"));
    const QString system = dir.filePath(QStringLiteral("system.jpg"));
    const bool made = dir.mkdir(QStringLiteral("folder.jpg")) && Write(hidden, jpeg)
                   && AddAttribute(hidden, FILE_ATTRIBUTE_HIDDEN) && Write(system, jpeg)
                   && AddAttribute(system, FILE_ATTRIBUTE_SYSTEM) && Write(dir.filePath(QStringLiteral("notes.jpgx")), jpeg);
    if (!made)
        return {};
    return {QStringLiteral("folder.jpg"), QStringLiteral("hidden.jpg"), QStringLiteral("system.jpg"),
            QStringLiteral("notes.jpgx")};
}

// Symbolic links need the administrator's right or developer mode; shortcuts are no links to files.
bool MakeLink(const QString &, const QString &)
{
    return false;
}

bool NameAllowed(const QString &name)
{
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c);
    });
}

bool NamesIgnoreCase()
{
    return true;
}

} // namespace UnlistedFiles
