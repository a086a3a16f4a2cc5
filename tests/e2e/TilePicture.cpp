// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TilePicture.h"

#include <QPainter>
#include <cstdlib>

namespace {

constexpr int Edge = 40;
// JPEG at high quality and smooth scaling move a flat colour by a few levels; the steps are 60 apart.
constexpr int Tolerance = 24;

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

namespace TilePicture {

QColor PieceColour(int piece)
{
    return QColor(64 + 60 * (piece % 4), 64 + 60 * (piece / 4 % 4), 40 + 100 * (piece / 16));
}

QImage Make()
{
    QImage picture(8 * Edge, 6 * Edge, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int piece = 0; piece < 48; ++piece)
        painter.fillRect(piece % 8 * Edge, piece / 8 * Edge, Edge, Edge, PieceColour(piece));
    return picture;
}

bool Shows(QRgb pixel, int piece)
{
    return Distance(pixel, PieceColour(piece).rgb()) <= Tolerance;
}

int PieceAt(const QImage &shot, QPoint centre)
{
    const QRgb middle = shot.pixel(centre);
    for (int piece = 0; piece < 48; ++piece) {
        if (!Shows(middle, piece))
            continue;
        for (int y = -4; y < 4; ++y) {
            for (int x = -4; x < 4; ++x) {
                if (!Shows(shot.pixel(centre + QPoint(x, y)), piece))
                    return -1;
            }
        }
        return piece;
    }
    return -1;
}

} // namespace TilePicture
