// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/basFunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ImageFolder;

QString JoinPath(const QString &dir, const QString &name)
{
    const QChar separator = QDir::separator();
    if (dir.endsWith(separator))
        return dir + name;
    return dir + separator + name;
}

// In the platform's own form, as the player would type it: on Windows with backslashes.
QString ApplicationFolder()
{
    const QFileInfo executable(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    return QDir::toNativeSeparators(executable.absolutePath());
}
