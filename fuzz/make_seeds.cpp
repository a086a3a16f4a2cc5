// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/PictureSamples.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

// Writes the bad-picture corpus into the folder named on the command line.
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    for (const PictureSamples::Sample &sample : PictureSamples::All()) {
        QFile file(folder.filePath(sample.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(sample.content) != sample.content.size())
            return 1;
    }
    return 0;
}
