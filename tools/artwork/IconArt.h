// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// The program's icons and button faces.
class IconArt
{
public:
    static QImage appIcon(int size);
    static QImage questionMark();
    static QImage exitArrow();
    // Exit without the English word: the arrow leaving through an open door.
    static QImage leaveThroughDoor();
    static QImage dragHand(int size);
    static QImage tick();
    static QImage cross();

    static void paintPolishedGrid(QPainter &painter, double size, bool liftOneTile);

private:
    static QImage canvas(int size);
    static QImage crispGrid(int size);
    static void paintPixelText(QImage &image, int left, int top, const char *const glyphs[], int count, QRgb colour);
    static QImage inPalette(const QImage &image, const QList<QRgb> &palette);
    static QImage onGrey(const QImage &shape);
};
