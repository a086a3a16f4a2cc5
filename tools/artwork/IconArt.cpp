// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IconArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The small icons keep to a 16-colour palette: seven tile colours, their
// shades, white and a near-black outline.
const QRgb tileColours[7] = {qRgb(228, 44, 44), qRgb(248, 142, 30), qRgb(252, 214, 38), qRgb(88, 190, 56),
                             qRgb(24, 170, 170), qRgb(46, 96, 214), qRgb(146, 64, 196)};
const QRgb tileShades[7] = {qRgb(140, 20, 30), qRgb(168, 78, 10), qRgb(176, 132, 10), qRgb(36, 112, 30),
                            qRgb(10, 100, 104), qRgb(24, 46, 130), qRgb(84, 30, 120)};
const QRgb highlight = qRgb(255, 255, 255);
const QRgb outline = qRgb(24, 24, 36);

// The drag pointer, at both sizes, keeps to one palette of its own: the shared outline, white
// and blues, the hand's skin, which no tile colour matches, and the in-between tones that
// antialiased edges snap to, so an edge never takes a hue from elsewhere in the picture.
const QRgb skin = qRgb(252, 204, 164);
const QList<QRgb> dragPalette = {outline, qRgb(84, 84, 96), qRgb(150, 150, 162), qRgb(200, 208, 224), highlight,
                                 tileColours[5], tileShades[5], skin, qRgb(206, 140, 100), qRgb(150, 96, 70)};

// The large icons take the small icon's colours, shaded a little per tile so
// that tiles on one diagonal are not quite alike.
QColor tileHue(int row, int column)
{
    return QColor(tileColours[row + column]).lighter(100 + (column - row) * 5);
}

}

QImage IconArt::canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage IconArt::appIcon(int size)
{
    if (size <= 32)
        return crispGrid(size);
    QImage image = canvas(size);
    QPainter painter(&image);
    paintPolishedGrid(painter, size, size >= 48);
    return image;
}

QImage IconArt::crispGrid(int size)
{
    QImage image = canvas(size);
    const int tile = size == 16 ? 3 : 7;
    const int pitch = tile + 1;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int left = column * pitch;
            const int top = row * pitch;
            const int hue = row + column;
            for (int y = 0; y <= tile; ++y) {
                for (int x = 0; x <= tile; ++x) {
                    QRgb colour = tileColours[hue];
                    if (x == tile || y == tile)
                        colour = (x == 0 || y == 0) ? 0 : outline;
                    else if (tile > 3 && (x == tile - 1 || y == tile - 1))
                        colour = tileShades[hue];
                    else if (tile > 3 && (x == 0 || y == 0))
                        colour = highlight;
                    if (colour)
                        image.setPixel(left + x, top + y, colour);
                }
            }
        }
    }
    return image;
}

void IconArt::paintPolishedGrid(QPainter &painter, double size, bool liftOneTile)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 64.0;
    const QRectF plate(unit * 2, unit * 2, size - unit * 4, size - unit * 4);
    QLinearGradient plateFill(0, plate.top(), 0, plate.bottom());
    plateFill.setColorAt(0, QColor(70, 78, 112));
    plateFill.setColorAt(1, QColor(26, 28, 48));
    painter.setPen(QPen(QColor(14, 14, 26), unit * 1.2));
    painter.setBrush(plateFill);
    painter.drawRoundedRect(plate, unit * 12, unit * 12);

    const double gap = unit * 2.4;
    const double tile = (size - unit * 14 - gap * 3) / 4;
    const int liftedRow = 2;
    const int liftedColumn = 2;
    auto tileRect = [&](int row, int column) {
        return QRectF(unit * 7 + column * (tile + gap), unit * 7 + row * (tile + gap), tile, tile);
    };
    auto paintTile = [&](const QRectF &rect, QColor colour) {
        QLinearGradient fill(0, rect.top(), 0, rect.bottom());
        fill.setColorAt(0, colour.lighter(122));
        fill.setColorAt(1, colour.darker(118));
        painter.setPen(QPen(colour.darker(190), unit * 0.8));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, tile * 0.2, tile * 0.2);
        QLinearGradient gloss(0, rect.top(), 0, rect.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, 150));
        gloss.setColorAt(1, QColor(255, 255, 255, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        const QRectF shine = rect.adjusted(tile * 0.1, tile * 0.08, -tile * 0.1, -tile * 0.5);
        painter.drawRoundedRect(shine, tile * 0.14, tile * 0.14);
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (liftOneTile && row == liftedRow && column == liftedColumn) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(8, 8, 18, 200));
                painter.drawRoundedRect(tileRect(row, column), tile * 0.2, tile * 0.2);
                continue;
            }
            paintTile(tileRect(row, column), tileHue(row, column));
        }
    }
    if (liftOneTile) {
        // The lifted tile is the one being dragged: raised, turned and casting a shadow.
        const QRectF home = tileRect(liftedRow, liftedColumn);
        painter.translate(home.center() - QPointF(unit * 2.5, unit * 2.5));
        painter.rotate(-12);
        const QRectF lifted(-tile * 0.56, -tile * 0.56, tile * 1.12, tile * 1.12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 110));
        painter.drawRoundedRect(lifted.translated(unit * 3, unit * 4), tile * 0.22, tile * 0.22);
        paintTile(lifted, tileHue(liftedRow, liftedColumn));
    }
    painter.restore();
}

QImage IconArt::questionMark()
{
    QImage image = canvas(32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(32);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QStringLiteral("?"));
    const QRectF bounds = glyph.boundingRect();
    const double scale = 27.0 / bounds.height();
    QTransform fit;
    fit.translate(16, 16);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    glyph = fit.map(glyph);
    // A darker copy underneath gives the mark some depth within the palette.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(tileShades[2]));
    painter.drawPath(glyph.translated(1.5, 1.5));
    painter.setPen(QPen(QColor(outline), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(tileColours[2]));
    painter.drawPath(glyph);
    painter.end();
    return inPalette(image, {tileColours[2], tileShades[2], outline});
}

QImage IconArt::exitArrow()
{
    QImage image = canvas(32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPolygonF arrow({{0.5, 8.5}, {18.5, 8.5}, {18.5, 1.5}, {31.5, 16}, {18.5, 30.5}, {18.5, 23.5}, {0.5, 23.5}});
        painter.setPen(QPen(QColor(outline), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(QColor(tileShades[0]));
        painter.drawPolygon(arrow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(tileColours[0]));
        painter.drawPolygon(arrow.translated(-0.5, -0.5).intersected(arrow.translated(-1.5, -1.5)));
    }
    static const char *const letters[] = {
        "####.#...#.###.#####",
        "#....#...#..#....#..",
        "#.....#.#...#....#..",
        "###....#....#....#..",
        "#.....#.#...#....#..",
        "#....#...#..#....#..",
        "####.#...#.###...#..",
    };
    paintPixelText(image, 3, 13, letters, 7, tileShades[0]);
    paintPixelText(image, 2, 12, letters, 7, highlight);
    return inPalette(image, {tileColours[0], tileShades[0], highlight, outline});
}

QImage IconArt::leaveThroughDoor()
{
    QImage image = canvas(32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(outline), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(ink);
    painter.setBrush(QColor(outline));
    painter.drawRect(QRectF(1.5, 1.5, 15, 29));
    // The door swung inwards on its left hinge, lit from the doorway.
    painter.setBrush(QColor(tileShades[1]));
    painter.drawPolygon(QPolygonF({{1.5, 1.5}, {9.5, 5.5}, {9.5, 30.5}, {1.5, 30.5}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(tileColours[1]));
    painter.drawPolygon(QPolygonF({{2.5, 3.5}, {8.5, 6.5}, {8.5, 29.5}, {2.5, 29.5}}));

    const QPolygonF arrow({{8.5, 11.5}, {19.5, 11.5}, {19.5, 4.5}, {31.5, 16}, {19.5, 27.5}, {19.5, 20.5}, {8.5, 20.5}});
    painter.setPen(ink);
    painter.setBrush(QColor(tileShades[0]));
    painter.drawPolygon(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(tileColours[0]));
    painter.drawPolygon(arrow.translated(-0.5, -0.5).intersected(arrow.translated(-1.5, -1.5)));
    painter.end();
    return inPalette(image, {tileColours[0], tileShades[0], tileColours[1], tileShades[1], outline});
}

void IconArt::paintPixelText(QImage &image, int left, int top, const char *const glyphs[], int count, QRgb colour)
{
    for (int row = 0; row < count; ++row) {
        for (int column = 0; glyphs[row][column]; ++column) {
            if (glyphs[row][column] == '#')
                image.setPixel(left + column, top + row, colour);
        }
    }
}

QImage IconArt::dragHand(int size)
{
    QImage image = canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    // Thin lines vanish at 16 pixels, so the small pointer gets heavier ink and no detail.
    const bool small = size < 32;
    const QPen ink(QColor(outline), small ? 1.6 : 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    painter.setPen(ink);
    QLinearGradient sleeve(0, 24, 8, 32);
    sleeve.setColorAt(0, QColor(tileColours[5]));
    sleeve.setColorAt(1, QColor(tileShades[5]));
    painter.setBrush(sleeve);
    painter.drawPolygon(QPolygonF({{-1, 22}, {3, 23}, {9, 29}, {7, 33}, {-1, 33}}));
    painter.setBrush(QColor(skin));
    painter.drawEllipse(QRectF(1.5, 13.5, 11, 13));

    painter.save();
    painter.translate(19, 12);
    painter.rotate(small ? 0 : -8);
    const QRectF sheet(-8.5, -10.5, 17, 21);
    QPainterPath paper(sheet.topLeft());
    paper.lineTo(sheet.right() - 5, sheet.top());
    paper.lineTo(sheet.right(), sheet.top() + 5);
    paper.lineTo(sheet.bottomRight());
    paper.lineTo(sheet.bottomLeft());
    paper.closeSubpath();
    painter.setBrush(QColor(highlight));
    painter.drawPath(paper);
    painter.setBrush(QColor(dragPalette[3]));
    painter.drawPolygon(QPolygonF({{sheet.right() - 5, sheet.top()}, {sheet.right() - 5, sheet.top() + 5}, {sheet.right(), sheet.top() + 5}}));
    if (!small) {
        painter.setPen(QPen(QColor(tileColours[5]), 1.2));
        for (int row = 0; row < 5; ++row) {
            const double y = sheet.top() + 7.5 + row * 3;
            painter.drawLine(QPointF(sheet.left() + 5, y), QPointF(sheet.right() - 3 - (row % 2) * 4, y));
        }
    }
    painter.restore();

    // Curled fingers over the front of the sheet, the thumb below them.
    painter.setPen(ink);
    painter.setBrush(QColor(skin));
    const QList<QPointF> fingers = small ? QList<QPointF>{{14.0, 15.5}, {14.0, 20.5}}
                                         : QList<QPointF>{{13.0, 14.5}, {14.0, 18.0}, {13.5, 21.5}};
    const double thickness = small ? 5.0 : 3.8;
    for (const QPointF &finger : fingers)
        painter.drawRoundedRect(QRectF(5.5, finger.y() - thickness / 2, finger.x() - 5.5, thickness), thickness / 2, thickness / 2);
    painter.drawRoundedRect(QRectF(3.5, 23.5, 8.5, 3.6), 1.8, 1.8);
    painter.end();
    return inPalette(image, dragPalette);
}

QImage IconArt::tick()
{
    QImage shape = canvas(32);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF strokes({{6, 17}, {13, 24}, {26, 8}});
    painter.setPen(QPen(QColor(0, 80, 20), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(strokes);
    QLinearGradient green(0, 6, 0, 26);
    green.setColorAt(0, QColor(110, 230, 90));
    green.setColorAt(1, QColor(20, 160, 40));
    painter.setPen(QPen(QBrush(green), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(strokes);
    painter.end();
    return onGrey(shape);
}

QImage IconArt::cross()
{
    QImage shape = canvas(32);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    const QLineF down(8, 8, 24, 24);
    const QLineF up(24, 8, 8, 24);
    painter.setPen(QPen(QColor(110, 0, 0), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(down);
    painter.drawLine(up);
    QLinearGradient red(0, 6, 0, 26);
    red.setColorAt(0, QColor(255, 100, 80));
    red.setColorAt(1, QColor(200, 20, 20));
    painter.setPen(QPen(QBrush(red), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(down);
    painter.drawLine(up);
    painter.end();
    return onGrey(shape);
}

QImage IconArt::inPalette(const QImage &image, const QList<QRgb> &palette)
{
    // Each icon keeps to a few entries of the shared 16 colours, so antialiased
    // edges snap to the colours either side of them and never to a stray hue.
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                result.setPixel(x, y, 0);
                continue;
            }
            const auto distance = [pixel](QRgb colour) {
                const int r = qRed(pixel) - qRed(colour);
                const int g = qGreen(pixel) - qGreen(colour);
                const int b = qBlue(pixel) - qBlue(colour);
                return r * r + g * g + b * b;
            };
            result.setPixel(x, y, *std::min_element(palette.begin(), palette.end(),
                                                    [&](QRgb a, QRgb b) { return distance(a) < distance(b); }));
        }
    }
    return result;
}

QImage IconArt::onGrey(const QImage &shape)
{
    // The grey becomes transparent at run time, so an edge blended into it
    // would leave a grey fringe: faint edge pixels become grey, the rest opaque.
    QImage image(shape.size(), QImage::Format_RGB888);
    const QImage straight = shape.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = straight.pixel(x, y);
            image.setPixel(x, y, qAlpha(pixel) < 96 ? qRgb(192, 192, 192) : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    return image;
}
