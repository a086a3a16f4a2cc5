// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The naive baseline for the start-up benchmark: an empty Qt Widgets window of the main window's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(349, 329);
    window.show();
    return app.exec();
}
