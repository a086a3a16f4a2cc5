// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Translations.h"
#include "game/Board.h"
#include "windows/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tilora.Tilora"));
    const Translations translations;
    board::MixingRandom random;
    frmMain window(random, board::SecondsSinceMidnight);
    window.show();
    return app.exec();
}
