// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenSearch.h"

#include <QList>
#include <algorithm>
#include <cstdlib>

namespace {

// Compositors may round colours by a step on the way to the screen.
bool Close(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
}

} // namespace

namespace ScreenSearch {

std::optional<QPoint> Find(const QImage &shot, const QImage &needle)
{
    const QImage screen = shot.convertToFormat(QImage::Format_RGB32);
    const QImage pattern = needle.convertToFormat(QImage::Format_ARGB32);
    QList<QPoint> compared;
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x) {
            if (qAlpha(pattern.pixel(x, y)) == 255)
                compared += QPoint(x, y);
        }
    }
    if (compared.isEmpty())
        return std::nullopt;
    for (int top = 0; top + pattern.height() <= screen.height(); ++top) {
        for (int left = 0; left + pattern.width() <= screen.width(); ++left) {
            const QPoint corner(left, top);
            const bool matches = std::all_of(compared.cbegin(), compared.cend(), [&](QPoint at) {
                return Close(screen.pixel(corner + at), pattern.pixel(at));
            });
            if (matches)
                return corner;
        }
    }
    return std::nullopt;
}

QImage Face(const QString &file)
{
    QImage face = QImage(file).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if ((face.pixel(x, y) & 0xffffff) == 0xc0c0c0)
                face.setPixel(x, y, 0);
        }
    }
    return face;
}

} // namespace ScreenSearch
