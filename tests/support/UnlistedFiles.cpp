// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UnlistedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace UnlistedFiles {

QStringList Make(const QString &folder, const QByteArray &jpeg)
{
    const QDir dir(folder);
    QFile hidden(dir.filePath(QStringLiteral(".hidden.jpg")));
    const bool made = dir.mkdir(QStringLiteral("folder.jpg")) && hidden.open(QIODevice::WriteOnly)
                   && hidden.write(jpeg) == jpeg.size()
                   && QFile::link(dir.filePath(QStringLiteral("gone.jpg")), dir.filePath(QStringLiteral("dangling.jpg")))
                   && QFile::link(QStringLiteral("folder.jpg"), dir.filePath(QStringLiteral("folderlink.jpg")))
                   && ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.jpg"))).constData(), 0600) == 0;
    if (!made)
        return {};
    return {QStringLiteral("folder.jpg"), QStringLiteral(".hidden.jpg"), QStringLiteral("dangling.jpg"),
            QStringLiteral("folderlink.jpg"), QStringLiteral("fifo.jpg")};
}

bool MakeLink(const QString &target, const QString &link)
{
    return QFile::link(QFileInfo(target).fileName(), link);
}

bool NameAllowed(const QString &)
{
    return true;
}

bool NamesIgnoreCase()
{
    return false;
}

} // namespace UnlistedFiles
