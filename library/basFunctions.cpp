// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/basFunctions.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ImageFolder;

QString JoinPath(const QString &dir, const QString &name)
{
    if (dir.endsWith(QLatin1Char('/')))
        return dir + name;
    return dir + QLatin1Char('/') + name;
}

QString ApplicationFolder()
{
    return QFileInfo(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()).absolutePath();
}
