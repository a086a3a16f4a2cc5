#include "IconArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The small icons keep to a 16-colour palette: seven tile colours, their
// shades, white and a near-black outline.
const QRgb tileColours[7] = {qRgb(228, 44, 44), qRgb(248, 142, 30), qRgb(252, 214, 38), qRgb(88, 190, 56),
                             qRgb(24, 170, 170), qRgb(46, 96, 214), qRgb(146, 64, 196)};
const QRgb tileShades[7] = {qRgb(140, 20, 30), qRgb(168, 78, 10), qRgb(176, 132, 10), qRgb(36, 112, 30),
                            qRgb(10, 100, 104), qRgb(24, 46, 130), qRgb(84, 30, 120)};
const QRgb highlight = qRgb(255, 255, 255);
const QRgb outline = qRgb(24, 24, 36);

QColor tileHue(int row, int column)
{
    return QColor::fromHsvF(0.8 * (column + row * 0.8) / 5.4, 0.78, 0.96);
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
                    else if (tile > 3 && (x == 0 || y == 0) && x + y < 3)
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
        painter.translate(home.center() + QPointF(unit * 3.5, unit * 3.5));
        painter.rotate(-12);
        const QRectF lifted(-tile * 0.56, -tile * 0.56, tile * 1.12, tile * 1.12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(lifted.translated(unit * 2, unit * 3), tile * 0.22, tile * 0.22);
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
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 0, 110));
    painter.drawPath(glyph.translated(1.2, 1.2));
    QLinearGradient gold(0, 2, 0, 30);
    gold.setColorAt(0, QColor(255, 246, 120));
    gold.setColorAt(1, QColor(244, 188, 0));
    painter.setPen(QPen(QColor(120, 76, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(glyph);
    return image;
}

QImage IconArt::exitArrow()
{
    QImage image = canvas(32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPolygonF arrow({{0.5, 8.5}, {18.5, 8.5}, {18.5, 1.5}, {31.5, 16}, {18.5, 30.5}, {18.5, 23.5}, {0.5, 23.5}});
        QLinearGradient red(0, 2, 0, 30);
        red.setColorAt(0, QColor(250, 84, 70));
        red.setColorAt(1, QColor(186, 20, 20));
        painter.setPen(QPen(QColor(96, 0, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(red);
        painter.drawPolygon(arrow);
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
    paintPixelText(image, 3, 13, letters, 7, qRgb(110, 0, 0));
    paintPixelText(image, 2, 12, letters, 7, qRgb(255, 255, 255));
    return image;
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
    const double line = size == 16 ? 2.0 : 1.0;
    const QColor ink(50, 30, 20);
    const QColor skin(250, 200, 160);

    painter.setPen(QPen(ink, line));
    QLinearGradient sleeve(0, 24, 8, 32);
    sleeve.setColorAt(0, QColor(80, 120, 220));
    sleeve.setColorAt(1, QColor(30, 60, 150));
    painter.setBrush(sleeve);
    painter.drawPolygon(QPolygonF({{0.5, 23}, {6, 28}, {2, 32.5}, {-1, 32.5}, {-1, 23}}));
    QPainterPath palm;
    palm.moveTo(2, 24);
    palm.cubicTo(2, 17, 5, 12.5, 10, 12.5);
    palm.lineTo(15, 13);
    palm.lineTo(15, 26);
    palm.cubicTo(11, 28, 7, 28.5, 5, 27);
    palm.closeSubpath();
    painter.setBrush(skin);
    painter.drawPath(palm);

    const QRectF sheet(12.5, 2.5, 17, 22);
    QPainterPath paper;
    paper.moveTo(sheet.topLeft());
    paper.lineTo(sheet.right() - 5, sheet.top());
    paper.lineTo(sheet.right(), sheet.top() + 5);
    paper.lineTo(sheet.bottomRight());
    paper.lineTo(sheet.bottomLeft());
    paper.closeSubpath();
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(paper);
    painter.setBrush(QColor(210, 214, 224));
    painter.drawPolygon(QPolygonF({{sheet.right() - 5, sheet.top()}, {sheet.right() - 5, sheet.top() + 5}, {sheet.right(), sheet.top() + 5}}));
    if (size > 16) {
        painter.setPen(QPen(QColor(120, 140, 180), 1));
        for (int row = 0; row < 5; ++row) {
            const double y = sheet.top() + 8 + row * 3;
            painter.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3 - (row % 2) * 4, y));
        }
    }

    QPainterPath thumb;
    thumb.moveTo(8, 16);
    thumb.cubicTo(11, 14.5, 17, 15, 19.5, 17);
    thumb.cubicTo(21, 18.5, 19.5, 21, 17.5, 20.5);
    thumb.cubicTo(15, 20, 12, 20, 10, 21);
    painter.setPen(QPen(ink, line));
    painter.setBrush(skin);
    painter.drawPath(thumb);
    painter.setBrush(QColor(255, 230, 220));
    painter.setPen(QPen(QColor(180, 120, 100), line * 0.6));
    if (size > 16)
        painter.drawEllipse(QRectF(16.5, 16.2, 2.6, 2.4));
    return image;
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
