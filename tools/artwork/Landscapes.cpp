// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Landscapes.h"

#include "Noise.h"
#include "SceneKit.h"
#include "SeededRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QRadialGradient glow(QPointF centre, double radius, QColor colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1.0, colour);
    return gradient;
}

QColor jitter(QColor colour, SeededRandom &random, double amount)
{
    const double factor = 1.0 + random.uniform(-amount, amount);
    return QColor::fromRgb(SceneKit::scaled(colour.rgb(), factor));
}

}

QImage Landscapes::sunsetHills()
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    SeededRandom random(101);
    SceneKit::fillVertical(image, 0, 700, {QColor(34, 26, 86), QColor(104, 48, 124), QColor(214, 90, 104),
                                           QColor(250, 156, 74), QColor(255, 214, 130)});
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow({1030, 610}, 1100, QColor(255, 200, 140, 120)));
        painter.drawEllipse(QPointF(1030, 610), 1100, 1100);
        painter.setBrush(glow({1030, 610}, 520, QColor(255, 226, 150, 190)));
        painter.drawEllipse(QPointF(1030, 610), 520, 520);
        painter.setBrush(QColor(255, 246, 210));
        painter.drawEllipse(QPointF(1030, 610), 74, 74);
    }
    SceneKit::paintClouds(image, -260, 620, Noise(11), 240, 0.45, QColor(255, 176, 128), QColor(112, 56, 108));

    // Each range is darker than the one behind it, with mist pooling in the valleys.
    const QList<double> far = SceneKit::ridge(image.width(), Noise(12), 620, 70, 520, false);
    const QList<double> middle = SceneKit::ridge(image.width(), Noise(13), 720, 80, 400, false);
    const QList<double> near = SceneKit::ridge(image.width(), Noise(14), 830, 90, 330, false);
    const QList<double> front = SceneKit::ridge(image.width(), Noise(15), 990, 80, 280, false);
    SceneKit::paintLand(image, far, QColor(150, 84, 134), QColor(226, 136, 130), Noise(21), 120, 0.05, 200);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintTreeLine(painter, far, QColor(142, 80, 130), 10, random);
    }
    SceneKit::paintLand(image, middle, QColor(104, 56, 104), QColor(190, 110, 124), Noise(22), 100, 0.06, 220);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintTreeLine(painter, middle, QColor(96, 52, 98), 16, random);
    }
    SceneKit::paintLand(image, near, QColor(62, 38, 72), QColor(140, 84, 106), Noise(23), 80, 0.08, 260);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintTreeLine(painter, near, QColor(56, 34, 66), 26, random);
    }
    SceneKit::paintLand(image, front, QColor(56, 50, 36), QColor(30, 36, 22), Noise(24), 40, 0.12);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTreeLine(painter, front, QColor(30, 26, 26), 44, random);
    paintGrass(painter, 960, image.height(), image.width(), QColor(24, 34, 18), QColor(214, 150, 70), random);
    paintWildflowers(painter, 1000, image.height(), image.width(), random);
    return image;
}

QImage Landscapes::mountainLake()
{
    QImage image(1600, 900, QImage::Format_RGB32);
    SeededRandom random(202);
    SceneKit::fillVertical(image, 0, 470, {QColor(58, 118, 196), QColor(124, 176, 228), QColor(214, 232, 244)});
    SceneKit::paintClouds(image, -200, 420, Noise(31), 210, 0.46, QColor(196, 212, 232), QColor(255, 255, 255));

    const QList<double> peaks = SceneKit::ridge(image.width(), Noise(32), 300, 170, 430, true);
    const QList<double> slopes = SceneKit::ridge(image.width(), Noise(33), 380, 90, 300, true);
    const QList<double> forest = SceneKit::ridge(image.width(), Noise(34), 446, 16, 90, false);
    paintRock(image, peaks, QColor(150, 160, 190), QColor(84, 96, 136), Noise(41));
    paintSnow(image, peaks, 250);
    paintRock(image, slopes, QColor(110, 128, 130), QColor(56, 72, 90), Noise(42));
    paintSnow(image, slopes, 330);
    SceneKit::paintLand(image, forest, QColor(36, 74, 52), QColor(26, 56, 40), Noise(43), 10, 0.3);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintConifers(painter, forest, QColor(24, 58, 40), 34, random);
    }
    SceneKit::mirrorInto(image, 476, QColor(34, 70, 96), 0.22, Noise(35));

    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintRowingBoat(painter, QPointF(1080, 650), 1.0);
        paintRowingBoat(painter, QPointF(1380, 540), 0.55);
    }
    const QList<double> shore = SceneKit::ridge(image.width(), Noise(36), 830, 50, 260, false);
    SceneKit::paintLand(image, shore, QColor(110, 122, 62), QColor(62, 82, 38), Noise(44), 18, 0.25);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 26; ++i) {
        const double x = random.uniform(0, image.width());
        const double y = shore[std::clamp(int(x), 0, image.width() - 1)] + random.uniform(0, 40);
        const double w = random.uniform(18, 70);
        QLinearGradient stone(x, y - w * 0.5, x, y + w * 0.3);
        stone.setColorAt(0, jitter(QColor(168, 164, 150), random, 0.15));
        stone.setColorAt(1, QColor(70, 70, 66));
        painter.setPen(Qt::NoPen);
        painter.setBrush(stone);
        painter.drawEllipse(QPointF(x, y), w, w * 0.55);
    }
    paintGrass(painter, 840, image.height(), image.width(), QColor(40, 70, 26), QColor(170, 196, 90), random);
    return image;
}

QImage Landscapes::flowerField()
{
    QImage image(1280, 960, QImage::Format_RGB32);
    SeededRandom random(303);
    const int horizon = 400;
    SceneKit::fillVertical(image, 0, horizon, {QColor(70, 132, 214), QColor(124, 180, 236), QColor(206, 228, 246)});
    SceneKit::paintClouds(image, -220, 390, Noise(51), 190, 0.44, QColor(186, 200, 222), QColor(255, 255, 255));
    SceneKit::paintClouds(image, 170, 410, Noise(55), 90, 0.46, QColor(196, 210, 230), QColor(250, 252, 255));
    const QList<double> trees = SceneKit::ridge(image.width(), Noise(52), 382, 26, 80, false);
    SceneKit::paintLand(image, trees, QColor(52, 96, 62), QColor(40, 82, 48), Noise(53), 9, 0.35);
    const QList<double> field(image.width(), horizon);
    SceneKit::paintLand(image, field, QColor(112, 150, 70), QColor(48, 116, 38), Noise(54), 24, 0.22);

    const QList<QColor> bands = {QColor(226, 38, 52), QColor(250, 206, 40), QColor(236, 96, 170),
                                 QColor(136, 70, 196), QColor(250, 250, 246), QColor(248, 132, 34)};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QList<QPointF> spots;
    for (int i = 0; i < 14000; ++i) {
        const double depth = std::pow(random.uniform(), 1.7);
        spots.append({random.uniform(-40, image.width() + 40), horizon + 6 + depth * (image.height() - horizon)});
    }
    std::sort(spots.begin(), spots.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    for (const QPointF &spot : spots) {
        const double depth = (spot.y() - horizon) / (image.height() - horizon);
        // Rows of one colour run towards a point on the horizon, as in a planted field.
        const double lane = (spot.x() - 520) / (spot.y() - horizon + 60) * 2.2;
        const int band = int(std::floor(lane + 100)) % bands.size();
        paintFlower(painter, spot, 1.2 + 15 * std::pow(depth, 1.4), jitter(bands[band], random, 0.12), random);
    }
    return image;
}

QImage Landscapes::hotAirBalloons()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    SeededRandom random(404);
    SceneKit::fillVertical(image, 0, 620, {QColor(86, 146, 220), QColor(150, 192, 236), QColor(250, 214, 176)});
    SceneKit::paintClouds(image, -160, 640, Noise(61), 150, 0.45, QColor(230, 200, 196), QColor(255, 252, 246));
    SceneKit::paintClouds(image, 430, 640, Noise(64), 70, 0.47, QColor(236, 196, 180), QColor(255, 240, 230));
    const QList<double> hills = SceneKit::ridge(image.width(), Noise(62), 612, 34, 240, false);
    SceneKit::paintLand(image, hills, QColor(126, 150, 118), QColor(92, 132, 80), Noise(63), 14, 0.2);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Patchwork fields, narrower towards the hills.
    for (int row = 0; row < 9; ++row) {
        const double top = 640 + row * row * 1.6 + row * 3;
        const double bottom = 640 + (row + 1) * (row + 1) * 1.6 + (row + 1) * 3;
        double x = random.uniform(-80, 0);
        while (x < image.width()) {
            const double w = random.uniform(60, 180) * (1 + row * 0.15);
            const QColor crop = jitter(QList<QColor>{QColor(206, 184, 78), QColor(96, 150, 60), QColor(140, 110, 60),
                                                     QColor(70, 124, 52), QColor(186, 196, 90)}[random.below(5)], random, 0.1);
            painter.setPen(QPen(QColor(52, 84, 40), 1.5));
            painter.setBrush(crop);
            const double skew = (x - 512) * 0.08;
            painter.drawPolygon(QPolygonF({{x, top}, {x + w, top}, {x + w + skew, bottom}, {x + skew, bottom}}));
            x += w;
        }
    }

    struct Balloon { QPointF centre; double radius; QList<QColor> colours; };
    const QList<QList<QColor>> schemes = {
        {QColor(224, 40, 48), QColor(252, 210, 44)}, {QColor(40, 96, 206), QColor(250, 250, 250), QColor(230, 50, 50)},
        {QColor(120, 200, 60), QColor(250, 140, 30)}, {QColor(150, 60, 190), QColor(250, 200, 230)},
        {QColor(250, 120, 30), QColor(240, 40, 80), QColor(252, 220, 40)}, {QColor(30, 170, 170), QColor(250, 240, 200)}};
    QList<Balloon> balloons;
    for (int i = 0; i < 15; ++i) {
        const double radius = random.uniform(14, 34) * (i < 4 ? 2.6 : 1.0);
        balloons.append({{random.uniform(40, 984), random.uniform(60, 520)}, radius, schemes[random.below(schemes.size())]});
    }
    std::sort(balloons.begin(), balloons.end(), [](const Balloon &a, const Balloon &b) { return a.radius < b.radius; });
    for (const Balloon &balloon : balloons)
        paintBalloon(painter, balloon.centre, balloon.radius, balloon.colours);
    return image;
}

QImage Landscapes::cityAtNight()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    SeededRandom random(505);
    const int waterline = 760;
    SceneKit::fillVertical(image, 0, waterline, {QColor(6, 8, 34), QColor(22, 22, 70), QColor(72, 44, 100), QColor(190, 104, 92)});
    paintMilkyWay(image, waterline);
    SceneKit::paintStars(image, 640, 2200, random);
    SceneKit::paintClouds(image, -100, 700, Noise(71), 300, 0.5, QColor(58, 46, 96), QColor(126, 84, 122));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow({1480, 190}, 240, QColor(230, 230, 255, 90)));
        painter.drawEllipse(QPointF(1480, 190), 240, 240);
        painter.setBrush(QColor(246, 242, 222));
        painter.drawEllipse(QPointF(1480, 190), 64, 64);
        painter.setBrush(QColor(212, 206, 186));
        for (int i = 0; i < 9; ++i)
            painter.drawEllipse(QPointF(1480 + random.uniform(-40, 40), 190 + random.uniform(-40, 40)), random.uniform(4, 12), random.uniform(4, 12));
    }
    paintBuildings(image, waterline, 180, 420, QColor(44, 40, 82), 0.18, random);
    paintBuildings(image, waterline, 90, 360, QColor(28, 26, 56), 0.3, random);
    paintBuildings(image, waterline, 40, 210, QColor(16, 16, 34), 0.42, random);
    SceneKit::mirrorInto(image, waterline, QColor(8, 14, 40), 0.3, Noise(72));
    return image;
}

void Landscapes::paintMilkyWay(QImage &image, int bottom)
{
    const Noise dust(73);
    for (int y = 0; y < bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // A diagonal band of faint light, broken up by dust.
            const double across = (y - 620 + x * 0.42) / 190.0;
            const double n = dust.fractal(x / 140.0, y / 140.0, 6);
            const double light = std::exp(-across * across) * SceneKit::smoothStep(0.3, 0.75, n);
            line[x] = SceneKit::mix(line[x], qRgb(150, 140, 210), light * 0.55);
        }
    }
}

void Landscapes::paintWildflowers(QPainter &painter, int top, int bottom, int width, SeededRandom &random)
{
    const Noise meadow(16);
    const QList<QColor> colours = {QColor(250, 200, 60), QColor(250, 120, 40), QColor(240, 236, 220), QColor(190, 120, 220)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9000; ++i) {
        const QPointF spot(random.uniform(0, width), random.uniform(top, bottom));
        // Flowers grow in drifts, so some stretches of meadow are bright and others bare.
        if (meadow.fractal(spot.x() / 160, spot.y() / 80, 3) < random.uniform(0.45, 0.75))
            continue;
        const double depth = (spot.y() - top) / (bottom - top);
        const double radius = 1.5 + 3.5 * depth;
        painter.setBrush(jitter(colours[random.below(colours.size())], random, 0.2));
        painter.drawEllipse(spot, radius, radius * 0.8);
    }
}

void Landscapes::paintRowingBoat(QPainter &painter, QPointF centre, double scale)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 40, 60, 90));
    painter.drawEllipse(QPointF(0, 18), 120, 14);
    QPainterPath hull(QPointF(-110, -8));
    hull.lineTo(110, -14);
    hull.cubicTo(96, 10, 60, 18, 0, 18);
    hull.cubicTo(-60, 18, -96, 10, -110, -8);
    QLinearGradient paint(0, -14, 0, 18);
    paint.setColorAt(0, QColor(220, 70, 50));
    paint.setColorAt(1, QColor(140, 36, 26));
    painter.setPen(QPen(QColor(70, 20, 10), 2));
    painter.setBrush(paint);
    painter.drawPath(hull);
    painter.setPen(QPen(QColor(250, 240, 220), 4));
    painter.drawLine(QPointF(-104, -6), QPointF(104, -12));
    painter.setPen(QPen(QColor(120, 86, 50), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-30, -4), QPointF(-150, 26));
    painter.restore();
}

void Landscapes::paintTreeLine(QPainter &painter, const QList<double> &ridge, QColor colour,
                               double size, SeededRandom &random)
{
    // Trees stand in groves along the ridge, with open stretches between them.
    const Noise groves(quint32(size * 7));
    painter.setPen(Qt::NoPen);
    for (double x = 0; x < ridge.size(); x += size * random.uniform(0.25, 0.6)) {
        if (groves.value(x / (size * 9), 0.5) < 0.45)
            continue;
        const double height = size * random.uniform(0.7, 1.3);
        const QPointF base(x, ridge[int(x)] + size * 0.3);
        painter.setBrush(jitter(colour, random, 0.08));
        painter.drawRect(QRectF(base.x() - size * 0.04, base.y() - height * 0.55, size * 0.08, height * 0.55));
        for (int puff = 0; puff < 4; ++puff) {
            const QPointF centre = base + QPointF(random.uniform(-0.22, 0.22) * height, -height * random.uniform(0.5, 0.85));
            const double radius = height * random.uniform(0.18, 0.3);
            painter.drawEllipse(centre, radius, radius * 0.9);
        }
    }
}

void Landscapes::paintConifers(QPainter &painter, const QList<double> &ridge, QColor colour,
                               double size, SeededRandom &random)
{
    painter.setPen(Qt::NoPen);
    for (double x = 0; x < ridge.size(); x += size * random.uniform(0.2, 0.5)) {
        const double height = size * random.uniform(0.6, 1.5);
        const double base = ridge[int(x)] + size * random.uniform(0.1, 0.6);
        painter.setBrush(jitter(colour, random, 0.25));
        painter.drawPolygon(QPolygonF({{x, base - height}, {x + height * 0.22, base}, {x - height * 0.22, base}}));
    }
}

void Landscapes::paintGrass(QPainter &painter, int top, int bottom, int width, QColor dark,
                            QColor light, SeededRandom &random)
{
    const int blades = width * (bottom - top) / 120;
    for (int i = 0; i < blades; ++i) {
        const double y = random.uniform(top, bottom + 20);
        const double x = random.uniform(0, width);
        const double depth = double(y - top) / (bottom - top);
        const double height = 8 + 40 * depth * random.uniform(0.5, 1.2);
        QPainterPath blade(QPointF(x, y));
        blade.quadTo(x + random.uniform(-6, 6), y - height * 0.6, x + random.uniform(-14, 14), y - height);
        painter.setPen(QPen(QColor::fromRgb(SceneKit::mix(dark.rgb(), light.rgb(), random.uniform(0, 0.6))), 1 + depth * 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(blade);
    }
}

void Landscapes::paintRock(QImage &image, const QList<double> &ridge, QColor lit, QColor shadow, const Noise &gullies)
{
    // Folded noise makes a height field of sharp crests; its slope, lit from
    // the left, reads as rock faces and gullies.
    auto height = [&gullies](double x, double y) {
        const double crest = 1.0 - std::abs(2.0 * gullies.fractal(x / 150.0, y / 110.0, 6) - 1.0);
        return crest * crest;
    };
    const int reach = 10;
    for (int x = 0; x < image.width(); ++x) {
        const double rise = ridge[std::max(0, x - reach)] - ridge[std::min(image.width() - 1, x + reach)];
        const double face = std::tanh(rise / reach * 2.0);
        const int start = std::max(0, int(std::ceil(ridge[x])));
        for (int y = start; y < image.height(); ++y) {
            const double slope = height(x + 2, y - 1) - height(x - 2, y + 1);
            const double nearCrest = std::exp(-(y - ridge[x]) / 70.0);
            const double light = 0.5 + slope * 5.0 + face * 0.35 * nearCrest - (y - ridge[x]) / 900.0;
            const QRgb rock = SceneKit::mix(shadow.rgb(), lit.rgb(), light);
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            line[x] = SceneKit::mix(line[x], rock, std::clamp(y + 1.0 - ridge[x], 0.0, 1.0));
        }
    }
}

void Landscapes::paintSnow(QImage &image, const QList<double> &ridge, double snowline)
{
    const Noise drifts(quint32(snowline) + 7);
    const int reach = 10;
    for (int x = 0; x < image.width(); ++x) {
        // Faces that climb to the right catch the light from the left; the others stay blue in shadow.
        const double rise = ridge[std::max(0, x - reach)] - ridge[std::min(image.width() - 1, x + reach)];
        const QRgb snow = SceneKit::mix(qRgb(168, 186, 222), qRgb(250, 252, 255), 0.5 + 0.5 * std::tanh(rise / reach * 2.0));
        const int start = std::max(0, int(std::ceil(ridge[x])));
        for (int y = start; y < snowline + 60; ++y) {
            const double n = drifts.fractal(x / 40.0, y / 26.0, 5);
            const double cover = SceneKit::smoothStep(snowline + 30, snowline - 50, y + (n - 0.5) * 160);
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            line[x] = SceneKit::mix(line[x], SceneKit::scaled(snow, 0.92 + 0.16 * n), cover);
        }
    }
}

void Landscapes::paintFlower(QPainter &painter, QPointF centre, double radius, QColor petals,
                             SeededRandom &random)
{
    painter.setPen(Qt::NoPen);
    if (radius < 3) {
        painter.setBrush(petals);
        painter.drawEllipse(centre, radius, radius * 0.7);
        return;
    }
    painter.setPen(QPen(QColor(40, 96, 34), radius * 0.18));
    painter.drawLine(centre, centre + QPointF(random.uniform(-2, 2), radius * 2.2));
    painter.setPen(Qt::NoPen);
    const double turn = random.uniform(0, 72);
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(centre);
        painter.scale(1.0, 0.75);
        painter.rotate(turn + i * 72);
        painter.setBrush(i % 2 ? petals : petals.darker(112));
        painter.drawEllipse(QPointF(radius * 0.55, 0), radius * 0.55, radius * 0.32);
        painter.restore();
    }
    painter.setBrush(QColor(120, 70, 20));
    painter.drawEllipse(centre, radius * 0.24, radius * 0.2);
}

void Landscapes::paintBalloon(QPainter &painter, QPointF centre, double radius, const QList<QColor> &colours)
{
    const double cx = centre.x();
    const double cy = centre.y();
    QPainterPath envelope;
    envelope.moveTo(cx - radius * 0.28, cy + radius * 1.3);
    envelope.cubicTo(cx - radius * 0.7, cy + radius * 0.9, cx - radius * 1.05, cy + radius * 0.4, cx - radius, cy);
    envelope.arcTo(QRectF(cx - radius, cy - radius, radius * 2, radius * 2), 180, -180);
    envelope.cubicTo(cx + radius * 1.05, cy + radius * 0.4, cx + radius * 0.7, cy + radius * 0.9, cx + radius * 0.28, cy + radius * 1.3);
    envelope.closeSubpath();

    painter.setPen(QPen(QColor(70, 50, 30), std::max(1.0, radius * 0.03)));
    painter.drawLine(QPointF(cx - radius * 0.28, cy + radius * 1.3), QPointF(cx - radius * 0.16, cy + radius * 1.6));
    painter.drawLine(QPointF(cx + radius * 0.28, cy + radius * 1.3), QPointF(cx + radius * 0.16, cy + radius * 1.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 78, 40));
    painter.drawRoundedRect(QRectF(cx - radius * 0.17, cy + radius * 1.58, radius * 0.34, radius * 0.26), 2, 2);

    painter.save();
    painter.setClipPath(envelope);
    const int gores = 8;
    for (int i = 0; i < gores; ++i) {
        // Gores of equal angle look narrower towards the sides of a sphere.
        const double a0 = std::sin(-std::numbers::pi / 2 + std::numbers::pi * i / gores);
        const double a1 = std::sin(-std::numbers::pi / 2 + std::numbers::pi * (i + 1) / gores);
        painter.setBrush(colours[i % colours.size()]);
        painter.drawRect(QRectF(cx + a0 * radius * 1.06, cy - radius, (a1 - a0) * radius * 1.06 + 0.5, radius * 2.4));
    }
    QRadialGradient light(QPointF(cx - radius * 0.4, cy - radius * 0.45), radius * 2.0);
    light.setColorAt(0.0, QColor(255, 255, 255, 110));
    light.setColorAt(0.35, QColor(255, 255, 255, 0));
    light.setColorAt(1.0, QColor(0, 0, 30, 150));
    painter.setBrush(light);
    painter.drawRect(QRectF(cx - radius * 1.2, cy - radius * 1.2, radius * 2.4, radius * 2.6));
    painter.restore();
}

void Landscapes::paintBuildings(QImage &image, int waterline, int minHeight, int maxHeight,
                                QColor wall, double lit, SeededRandom &random)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    double x = random.uniform(-60, 0);
    while (x < image.width()) {
        const double w = random.uniform(50, 150);
        const double h = random.uniform(minHeight, maxHeight);
        const QRectF body(x, waterline - h, w, h + 1);
        const QColor face = jitter(wall, random, 0.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawRect(body);
        if (random.chance(0.3))
            painter.drawRect(QRectF(x + w * 0.2, waterline - h - w * 0.3, w * 0.6, w * 0.3 + 1));
        if (random.chance(0.25)) {
            painter.setPen(QPen(face, 3));
            painter.drawLine(QPointF(x + w / 2, waterline - h), QPointF(x + w / 2, waterline - h - random.uniform(30, 80)));
        }
        painter.setPen(Qt::NoPen);
        const double size = random.uniform(5, 9);
        const double gap = size * random.uniform(1.6, 2.4);
        const QColor warm = random.chance(0.7) ? QColor(255, 214, 130) : QColor(190, 226, 255);
        for (double wy = body.top() + gap; wy < waterline - gap; wy += gap) {
            for (double wx = x + gap * 0.6; wx < x + w - gap * 0.6; wx += gap) {
                if (!random.chance(lit))
                    continue;
                painter.setBrush(jitter(warm, random, 0.25));
                painter.drawRect(QRectF(wx, wy, size, size * 1.3));
            }
        }
        x += w + random.uniform(-20, 10);
    }
}
