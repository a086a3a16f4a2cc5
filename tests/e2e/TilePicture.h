// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

// The picture the end-to-end tests play: each of the 48 pieces one flat colour of its own, far
// enough from the others and from the result label's navy to be told apart after JPEG and scaling.
namespace TilePicture {

QColor PieceColour(int piece);

// The 320 × 240 picture, pieces in order.
QImage Make();

// The piece whose colour the 8 × 8 square around centre shows, or -1 if it shows none.
int PieceAt(const QImage &shot, QPoint centre);

// Whether the pixel is close to the piece's colour.
bool Shows(QRgb pixel, int piece);

} // namespace TilePicture
