// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Compositions.h"

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

QColor jitter(QColor colour, SeededRandom &random, double amount)
{
    return QColor::fromRgb(SceneKit::scaled(colour.rgb(), 1.0 + random.uniform(-amount, amount)));
}

}

QImage Compositions::coralReef()
{
    QImage image(1280, 720, QImage::Format_RGB32);
    SeededRandom random(606);
    SceneKit::fillVertical(image, 0, 720, {QColor(90, 206, 226), QColor(32, 128, 186), QColor(14, 60, 128), QColor(10, 36, 90)});
    SceneKit::mottle(image, Noise(81), 110, 0.1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double x = random.uniform(-200, 1300);
        const double spread = random.uniform(20, 90);
        QLinearGradient ray(0, 0, 0, 620);
        ray.setColorAt(0, QColor(255, 255, 230, int(random.uniform(30, 70))));
        ray.setColorAt(1, QColor(255, 255, 230, 0));
        painter.setBrush(ray);
        painter.drawPolygon(QPolygonF({{x, 0}, {x + spread, 0}, {x + spread * 2 + 260, 640}, {x + 200, 640}}));
    }
    painter.end();

    const QList<double> reef = SceneKit::ridge(image.width(), Noise(82), 520, 60, 160, false);
    SceneKit::paintLand(image, reef, QColor(70, 84, 130), QColor(44, 60, 104), Noise(83), 60, 0.18);
    const QList<double> sand = SceneKit::ridge(image.width(), Noise(84), 640, 26, 260, false);
    SceneKit::paintLand(image, sand, QColor(226, 206, 150), QColor(170, 146, 104), Noise(85), 16, 0.16);

    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<QColor> corals = {QColor(250, 120, 80), QColor(240, 90, 150), QColor(170, 90, 210),
                                  QColor(250, 200, 60), QColor(90, 210, 190)};
    for (int i = 0; i < 34; ++i) {
        const double x = random.uniform(0, image.width());
        const double y = sand[std::clamp(int(x), 0, 1279)] + random.uniform(0, 60);
        const QColor colour = jitter(corals[random.below(corals.size())], random, 0.15);
        if (random.chance(0.6)) {
            QList<QPair<QLineF, double>> branches;
            growCoral(branches, {x, y}, -90 + random.uniform(-20, 20), random.uniform(30, 60), random.uniform(10, 18), 4, random);
            // Outline, body and a lit edge, each over all branches so the joints stay clean.
            for (const auto &[branch, width] : branches) {
                painter.setPen(QPen(colour.darker(150), width + 3, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(branch);
            }
            for (const auto &[branch, width] : branches) {
                painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(branch);
            }
            for (const auto &[branch, width] : branches) {
                painter.setPen(QPen(colour.lighter(140), width * 0.3, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(branch.translated(-width * 0.2, 0));
            }
        } else {
            const double r = random.uniform(24, 60);
            QRadialGradient dome(QPointF(x - r * 0.3, y - r * 0.5), r * 1.4);
            dome.setColorAt(0, colour.lighter(130));
            dome.setColorAt(1, colour.darker(170));
            painter.setPen(Qt::NoPen);
            painter.setBrush(dome);
            painter.drawChord(QRectF(x - r, y - r, r * 2, r * 2), 0, 180 * 16);
            painter.setPen(QPen(colour.darker(150), 2));
            for (int ring = 1; ring < 5; ++ring)
                painter.drawArc(QRectF(x - r * ring / 5, y - r * ring / 5, r * ring * 0.4, r * ring * 0.4), 10 * 16, 160 * 16);
        }
    }
    for (int i = 0; i < 12; ++i) {
        const double x = random.uniform(0, image.width());
        const double height = random.uniform(120, 300);
        QPainterPath weed(QPointF(x, 720));
        for (double t = 0.1; t <= 1.0; t += 0.1)
            weed.lineTo(x + std::sin(t * 9 + i) * 18 * t, 720 - height * t);
        const QColor green = jitter(QColor(60, 150, 70), random, 0.2);
        const double width = random.uniform(6, 12);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(green.darker(150), width + 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(weed);
        painter.setPen(QPen(green, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(weed);
        painter.setPen(QPen(green.lighter(140), width * 0.25, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(weed.translated(-width * 0.2, 0));
    }
    const QList<QPair<QColor, QColor>> fishColours = {
        {QColor(250, 140, 30), QColor(255, 255, 255)}, {QColor(250, 220, 40), QColor(30, 30, 40)},
        {QColor(60, 120, 230), QColor(250, 220, 60)}, {QColor(230, 60, 110), QColor(255, 230, 240)},
        {QColor(120, 220, 120), QColor(30, 90, 60)}, {QColor(160, 110, 230), QColor(250, 200, 60)}};
    for (int i = 0; i < 46; ++i) {
        const auto &[body, stripes] = fishColours[random.below(fishColours.size())];
        paintFish(painter, {random.uniform(20, 1260), random.uniform(30, 600)}, random.uniform(24, 80),
                  random.chance(0.5), jitter(body, random, 0.1), stripes);
    }
    for (int i = 0; i < 90; ++i) {
        const double r = random.uniform(2, 9);
        const QPointF centre(random.uniform(0, 1280), random.uniform(0, 620));
        painter.setPen(QPen(QColor(230, 250, 255, 170), 1.2));
        painter.setBrush(QColor(255, 255, 255, 40));
        painter.drawEllipse(centre, r, r);
    }
    return image;
}

QImage Compositions::stainedGlass()
{
    QImage image(1080, 1440, QImage::Format_RGB32);
    SeededRandom random(707);
    const int cell = 66;
    const int columns = image.width() / cell + 2;
    const int rows = image.height() / cell + 2;
    QList<QPointF> seeds;
    QList<QRgb> glass;
    const QPointF rose(540, 560);
    const Noise hues(91);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QPointF seed((column - 0.5 + random.uniform(0.1, 0.9)) * cell, (row - 0.5 + random.uniform(0.1, 0.9)) * cell);
            seeds.append(seed);
            const QPointF d = seed - rose;
            const double distance = std::hypot(d.x(), d.y());
            const double angle = std::atan2(d.y(), d.x()) / (2 * std::numbers::pi) + 0.5;
            QColor colour;
            if (distance < 120)
                colour = QColor::fromHsvF(0.11 + random.uniform(-0.03, 0.03), 0.8, random.uniform(0.8, 1.0));
            else if (distance < 420)
                colour = QColor::fromHsvF(std::fmod(angle * 2 + 1.0, 1.0), random.uniform(0.65, 0.9), random.uniform(0.65, 1.0));
            else if (seed.x() < 90 || seed.x() > 990 || seed.y() < 90 || seed.y() > 1350)
                colour = QColor::fromHsvF(random.chance(0.7) ? 0.98 : 0.12, 0.85, random.uniform(0.5, 0.85));
            else
                colour = QColor::fromHsvF(0.5 + 0.2 * hues.fractal(seed.x() / 300, seed.y() / 300) + random.uniform(-0.03, 0.03),
                                          random.uniform(0.6, 0.9), random.uniform(0.45, 0.85));
            glass.append(colour.rgb());
        }
    }

    const Noise texture(92);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int gy = (y + cell / 2) / cell;
        for (int x = 0; x < image.width(); ++x) {
            const int gx = (x + cell / 2) / cell;
            const QPointF p(x, y);
            int nearest = -1;
            int second = -1;
            double best = 1e18;
            double next = 1e18;
            for (int row = std::max(0, gy - 2); row <= std::min(rows - 1, gy + 2); ++row) {
                for (int column = std::max(0, gx - 2); column <= std::min(columns - 1, gx + 2); ++column) {
                    const int index = row * columns + column;
                    const QPointF d = seeds[index] - p;
                    const double squared = d.x() * d.x() + d.y() * d.y();
                    if (squared < best) {
                        next = best;
                        second = nearest;
                        best = squared;
                        nearest = index;
                    } else if (squared < next) {
                        next = squared;
                        second = index;
                    }
                }
            }
            // Distance to the border between the two nearest cells is where the lead goes.
            const QPointF between = seeds[second] - seeds[nearest];
            const double edge = (next - best) / (2 * std::hypot(between.x(), between.y()));
            const double n = texture.fractal(x / 22.0, y / 60.0, 4);
            const double light = 1.1 - std::hypot(x - 540.0, y - 300.0) / 2400.0;
            const QRgb colour = SceneKit::scaled(glass[nearest], light * (0.82 + 0.36 * n));
            line[x] = SceneKit::mix(qRgb(38, 36, 40), colour, SceneKit::smoothStep(2.5, 4.5, edge));
        }
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(38, 36, 40), 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(rose, 420, 420);
    painter.drawEllipse(rose, 120, 120);
    painter.setPen(QPen(QColor(38, 36, 40), 7));
    for (int spoke = 0; spoke < 12; ++spoke) {
        const double a = spoke * std::numbers::pi / 6;
        painter.drawLine(rose + QPointF(std::cos(a), std::sin(a)) * 120, rose + QPointF(std::cos(a), std::sin(a)) * 420);
    }
    painter.setPen(QPen(QColor(38, 36, 40), 14));
    painter.drawRect(QRectF(40, 40, 1000, 1360));
    return image;
}

QImage Compositions::fruitBowl()
{
    QImage image(1200, 900, QImage::Format_RGB32);
    SeededRandom random(808);
    const int tableTop = 560;
    SceneKit::fillVertical(image, 0, tableTop, {QColor(176, 132, 92), QColor(120, 82, 60)});
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int row = 0; row * 70 < tableTop + 35; ++row) {
            for (int column = 0; column * 70 < 1235; ++column) {
                const QPointF centre(column * 70 + (row % 2) * 35, row * 70);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(250, 230, 190, 40 + random.below(30)));
                painter.drawPolygon(QPolygonF({centre + QPointF(0, -16), centre + QPointF(11, 0), centre + QPointF(0, 16), centre + QPointF(-11, 0)}));
                painter.setBrush(QColor(120, 40, 40, 60));
                painter.drawEllipse(centre, 4, 4);
            }
        }
        QRadialGradient daylight(QPointF(980, 200), 1000);
        daylight.setColorAt(0, QColor(255, 236, 190, 120));
        daylight.setColorAt(1, QColor(40, 20, 10, 140));
        painter.fillRect(QRect(0, 0, 1200, tableTop), daylight);
        paintWindow(painter, QRectF(860, 50, 270, 340));
        paintFramedPicture(painter, QRectF(80, 90, 240, 170));
        paintClock(painter, QPointF(620, 170), 72);
    }
    for (int y = tableTop; y < image.height(); ++y) {
        const Noise grain(93);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double n = grain.fractal(x / 260.0, y / 7.0, 5);
            const double rings = 0.5 + 0.5 * std::sin(n * 28);
            line[x] = SceneKit::scaled(SceneKit::mix(qRgb(150, 92, 50), qRgb(96, 54, 28), rings), 1.0 - (y - tableTop) / 1400.0);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, tableTop, 1200, 6), QColor(70, 40, 20));
    painter.setPen(Qt::NoPen);
    QRadialGradient shadow(QPointF(640, 770), 360);
    shadow.setColorAt(0, QColor(20, 10, 0, 150));
    shadow.setColorAt(1, QColor(20, 10, 0, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(640, 770), 380, 70);

    QPolygonF beam({{860, 390}, {1130, 390}, {760, 900}, {300, 900}});
    QLinearGradient sunlight(0, 390, 0, 900);
    sunlight.setColorAt(0, QColor(255, 240, 200, 50));
    sunlight.setColorAt(1, QColor(255, 240, 200, 0));
    painter.setBrush(sunlight);
    painter.drawPolygon(beam);
    paintJug(painter, QPointF(190, 700));

    const QRectF rim(330, 520, 540, 100);
    painter.setBrush(QColor(30, 54, 110));
    painter.drawEllipse(rim);
    paintGrapes(painter, {430, 380}, 22, random);
    paintFruit(painter, {520, 470}, 78, QColor(246, 140, 24), false, random);
    paintFruit(painter, {690, 450}, 84, QColor(208, 30, 36), true, random);
    paintFruit(painter, {610, 540}, 70, QColor(150, 200, 50), true, random);
    paintFruit(painter, {790, 530}, 66, QColor(250, 150, 30), false, random);
    QPainterPath banana(QPointF(360, 470));
    banana.cubicTo(420, 600, 640, 620, 780, 520);
    banana.cubicTo(660, 580, 450, 570, 360, 470);
    QLinearGradient yellow(0, 480, 0, 600);
    yellow.setColorAt(0, QColor(255, 232, 90));
    yellow.setColorAt(1, QColor(210, 170, 30));
    painter.setBrush(yellow);
    painter.setPen(QPen(QColor(120, 90, 20), 2));
    painter.drawPath(banana);

    QPainterPath body;
    body.moveTo(rim.left(), rim.center().y());
    body.cubicTo(rim.left() + 20, 760, rim.right() - 20, 760, rim.right(), rim.center().y());
    body.arcTo(rim, 0, -180);
    QLinearGradient glaze(rim.left(), 0, rim.right(), 0);
    glaze.setColorAt(0, QColor(40, 70, 150));
    glaze.setColorAt(0.3, QColor(110, 150, 226));
    glaze.setColorAt(1, QColor(20, 36, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glaze);
    painter.drawPath(body);
    painter.setPen(QPen(QColor(240, 240, 230), 7));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(rim.left() + 18, rim.top() + 40, rim.width() - 36, rim.height() + 40), 200 * 16, 140 * 16);
    for (int i = 0; i < 9; ++i) {
        const double x = 400 + i * 50;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 220, 90));
        painter.drawEllipse(QPointF(x, 640 + std::sin(i * 0.4 - 1.6) * 10), 7, 7);
    }
    paintFruit(painter, {290, 780}, 62, QColor(250, 222, 50), false, random);
    paintGrapes(painter, {1060, 590}, 15, random);
    paintFruit(painter, {960, 800}, 48, QColor(170, 20, 40), true, random);
    paintFruit(painter, {1060, 820}, 40, QColor(180, 24, 46), true, random);
    return image;
}

QImage Compositions::geometricTiles()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(QColor(246, 240, 228));
    SeededRandom random(909);
    const Noise hue(94);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = 72;
    const double height = side * std::sqrt(3.0) / 2;
    for (int row = -1; row * height < 768 + height; ++row) {
        for (int column = -2; column * side / 2 < 1024 + side; ++column) {
            const bool up = (row + column) % 2 == 0;
            const double x = column * side / 2;
            const double top = row * height;
            const QPolygonF triangle = up ? QPolygonF({{x, top + height}, {x + side / 2, top}, {x + side, top + height}})
                                          : QPolygonF({{x, top}, {x + side, top}, {x + side / 2, top + height}});
            const QPointF centre = triangle.boundingRect().center();
            const double h = std::fmod(hue.fractal(centre.x() / 380, centre.y() / 380, 3) * 2.2 + centre.x() / 2400 + 1.0, 1.0);
            const QColor colour = QColor::fromHsvF(h, random.uniform(0.5, 0.9), random.uniform(0.6, 1.0));
            QLinearGradient glaze(triangle.boundingRect().topLeft(), triangle.boundingRect().bottomRight());
            glaze.setColorAt(0, colour.lighter(125));
            glaze.setColorAt(1, colour.darker(125));
            painter.setPen(QPen(QColor(246, 240, 228), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(glaze);
            painter.drawPolygon(triangle);
            if (random.chance(0.3)) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(255, 255, 255, 150));
                painter.drawEllipse(QPointF(centre.x(), up ? top + height * 0.66 : top + height * 0.34), 7, 7);
            }
        }
    }
    return image;
}

QImage Compositions::spaceNebula()
{
    QImage image(1280, 720, QImage::Format_RGB32);
    SeededRandom random(1010);
    const Noise cloud(95);
    const Noise warp(96);
    const Noise tint(97);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Warping the lookup by another noise gives the gas its swirls.
            const double wx = warp.fractal(x / 260.0, y / 260.0, 4);
            const double wy = warp.fractal(x / 260.0 + 40, y / 260.0, 4);
            const double n = cloud.fractal(x / 320.0 + wx * 2.2, y / 320.0 + wy * 2.2, 7);
            const double glowAmount = std::pow(SceneKit::smoothStep(0.32, 0.8, n), 1.4);
            const double t = tint.fractal(x / 500.0, y / 500.0, 3);
            const QRgb gas = SceneKit::mix(SceneKit::mix(qRgb(220, 60, 150), qRgb(60, 110, 230), SceneKit::smoothStep(0.35, 0.65, t)),
                                           qRgb(120, 230, 230), SceneKit::smoothStep(0.6, 0.8, t));
            const QRgb space = SceneKit::mix(qRgb(4, 4, 16), qRgb(16, 10, 40), double(y) / image.height());
            line[x] = SceneKit::mix(space, gas, glowAmount);
        }
    }
    SceneKit::paintStars(image, image.height(), 2600, random);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(random.uniform(0, 1280), random.uniform(0, 720));
        const double length = random.uniform(10, 28);
        painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
        painter.drawLine(centre - QPointF(length, 0), centre + QPointF(length, 0));
        painter.drawLine(centre - QPointF(0, length), centre + QPointF(0, length));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, 2.5, 2.5);
    }
    painter.end();
    paintPlanet(image, {960, 470}, 150);
    return image;
}

void Compositions::growCoral(QList<QPair<QLineF, double>> &branches, QPointF base, double angle,
                             double length, double width, int depth, SeededRandom &random)
{
    const double radians = angle * std::numbers::pi / 180;
    const QPointF tip = base + QPointF(std::cos(radians), std::sin(radians)) * length;
    branches.append({QLineF(base, tip), width});
    if (depth == 0)
        return;
    const int forks = 2 + random.below(2);
    for (int i = 0; i < forks; ++i)
        growCoral(branches, tip, angle + random.uniform(-38, 38), length * random.uniform(0.55, 0.8), width * 0.75, depth - 1, random);
}

void Compositions::paintFish(QPainter &painter, QPointF centre, double length, bool facingLeft,
                             QColor body, QColor stripes)
{
    painter.save();
    painter.translate(centre);
    if (facingLeft)
        painter.scale(-1, 1);
    QPainterPath shape;
    shape.moveTo(length * 0.5, 0);
    shape.cubicTo(length * 0.3, -length * 0.32, -length * 0.25, -length * 0.3, -length * 0.35, 0);
    shape.cubicTo(-length * 0.25, length * 0.3, length * 0.3, length * 0.32, length * 0.5, 0);
    QPainterPath tail;
    tail.moveTo(-length * 0.3, 0);
    tail.lineTo(-length * 0.55, -length * 0.2);
    tail.lineTo(-length * 0.5, 0);
    tail.lineTo(-length * 0.55, length * 0.2);
    tail.closeSubpath();
    painter.setPen(QPen(body.darker(160), std::max(1.0, length * 0.025)));
    painter.setBrush(body.darker(115));
    painter.drawPath(tail);
    QLinearGradient shading(0, -length * 0.3, 0, length * 0.3);
    shading.setColorAt(0, body.lighter(125));
    shading.setColorAt(1, body.darker(130));
    painter.setBrush(shading);
    painter.drawPath(shape);
    painter.setClipPath(shape);
    painter.setPen(QPen(stripes, length * 0.07));
    for (double x : {length * 0.2, -length * 0.05})
        painter.drawLine(QPointF(x, -length), QPointF(x - length * 0.04, length));
    painter.setClipping(false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(length * 0.32, -length * 0.05), length * 0.06, length * 0.06);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(length * 0.33, -length * 0.05), length * 0.03, length * 0.03);
    painter.restore();
}

void Compositions::paintFruit(QPainter &painter, QPointF centre, double radius, QColor colour,
                              bool stalk, SeededRandom &random)
{
    QRadialGradient skin(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.5);
    skin.setColorAt(0, colour.lighter(150));
    skin.setColorAt(0.5, colour);
    skin.setColorAt(1, colour.darker(220));
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin);
    painter.drawEllipse(centre, radius, radius * 0.94);
    painter.setBrush(QColor(0, 0, 0, 30));
    for (int i = 0; i < int(radius * 1.5); ++i) {
        const double a = random.uniform(0, 2 * std::numbers::pi);
        const double r = radius * std::sqrt(random.uniform()) * 0.9;
        painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * r, 1.3, 1.3);
    }
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.16, radius * 0.1);
    if (!stalk)
        return;
    painter.setPen(QPen(QColor(90, 60, 30), std::max(2.0, radius * 0.07), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(0, -radius * 0.8), centre + QPointF(radius * 0.1, -radius * 1.15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 150, 50));
    painter.save();
    painter.translate(centre + QPointF(radius * 0.3, -radius * 1.05));
    painter.rotate(-25);
    painter.drawEllipse(QPointF(0, 0), radius * 0.28, radius * 0.11);
    painter.restore();
}

void Compositions::paintGrapes(QPainter &painter, QPointF top, double size, SeededRandom &random)
{
    painter.setPen(QPen(QColor(90, 70, 30), size * 0.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top + QPointF(0, -size * 0.2), top + QPointF(size * 0.4, -size * 1.4));
    for (int row = 0; row < 6; ++row) {
        const int count = std::max(1, 5 - row + (row < 2 ? 1 : 0));
        for (int i = 0; i < count; ++i) {
            // Berries hang loosely, so the bunch tapers without forming a neat triangle.
            const double radius = size * random.uniform(0.85, 1.1);
            const QPointF centre = top + QPointF((i - (count - 1) / 2.0) * size * 1.55 + random.uniform(-0.35, 0.35) * size,
                                                 row * size * 1.35 + random.uniform(-0.3, 0.3) * size);
            QRadialGradient berry(centre + QPointF(-radius * 0.3, -radius * 0.3), radius * 1.3);
            berry.setColorAt(0, QColor(190, 130, 200));
            berry.setColorAt(0.4, QColor(110, 40, 120));
            berry.setColorAt(1, QColor(40, 10, 50));
            painter.setPen(QPen(QColor(40, 10, 40), 1));
            painter.setBrush(berry);
            painter.drawEllipse(centre, radius, radius);
        }
    }
}

void Compositions::paintWindow(QPainter &painter, const QRectF &frame)
{
    QLinearGradient sky(0, frame.top(), 0, frame.bottom());
    sky.setColorAt(0, QColor(96, 156, 226));
    sky.setColorAt(0.75, QColor(206, 228, 246));
    sky.setColorAt(0.76, QColor(110, 150, 80));
    sky.setColorAt(1, QColor(70, 116, 56));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRect(frame);
    painter.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF &puff : {QPointF(40, 70), QPointF(80, 60), QPointF(120, 76), QPointF(190, 150), QPointF(226, 140)})
        painter.drawEllipse(frame.topLeft() + puff, 38, 20);
    painter.setPen(QPen(QColor(236, 226, 206), 14));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.setPen(QPen(QColor(236, 226, 206), 8));
    painter.drawLine(QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()));
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    painter.setPen(QPen(QColor(150, 130, 110), 2));
    painter.drawRect(frame.adjusted(-8, -8, 8, 8));
}

void Compositions::paintFramedPicture(QPainter &painter, const QRectF &frame)
{
    QLinearGradient dusk(0, frame.top(), 0, frame.bottom());
    dusk.setColorAt(0, QColor(60, 60, 140));
    dusk.setColorAt(0.6, QColor(240, 150, 90));
    dusk.setColorAt(1, QColor(250, 210, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dusk);
    painter.drawRect(frame);
    painter.setBrush(QColor(255, 240, 200));
    painter.drawEllipse(frame.topLeft() + QPointF(160, 100), 18, 18);
    painter.setBrush(QColor(60, 40, 70));
    painter.drawPolygon(QPolygonF({frame.bottomLeft(), frame.topLeft() + QPointF(0, 110), frame.topLeft() + QPointF(70, 90),
                                   frame.topLeft() + QPointF(150, 125), frame.topLeft() + QPointF(240, 105), frame.bottomRight()}));
    QLinearGradient gold(frame.topLeft(), frame.bottomRight());
    gold.setColorAt(0, QColor(250, 220, 120));
    gold.setColorAt(0.5, QColor(180, 130, 40));
    gold.setColorAt(1, QColor(240, 200, 100));
    painter.setPen(QPen(QBrush(gold), 16));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

void Compositions::paintClock(QPainter &painter, QPointF centre, double radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 16, 8, 90));
    painter.drawEllipse(centre + QPointF(6, 8), radius, radius);
    QRadialGradient face(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    face.setColorAt(0, QColor(255, 252, 240));
    face.setColorAt(1, QColor(210, 200, 180));
    painter.setPen(QPen(QColor(120, 80, 40), radius * 0.12));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
    for (int hour = 0; hour < 12; ++hour) {
        const double a = hour * std::numbers::pi / 6;
        const QPointF direction(std::sin(a), -std::cos(a));
        painter.setPen(QPen(QColor(50, 40, 30), hour % 3 ? 2 : 5));
        painter.drawLine(centre + direction * radius * 0.72, centre + direction * radius * 0.86);
    }
    painter.setPen(QPen(QColor(40, 30, 20), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.3, -radius * 0.38));
    painter.setPen(QPen(QColor(40, 30, 20), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-radius * 0.55, -radius * 0.25));
    painter.setPen(QPen(QColor(190, 30, 30), 2));
    painter.drawLine(centre, centre + QPointF(radius * 0.2, radius * 0.62));
}

void Compositions::paintJug(QPainter &painter, QPointF base)
{
    QPainterPath body(base + QPointF(-60, 0));
    body.cubicTo(base + QPointF(-110, -80), base + QPointF(-90, -170), base + QPointF(-34, -220));
    body.lineTo(base + QPointF(-44, -250));
    body.lineTo(base + QPointF(44, -250));
    body.lineTo(base + QPointF(34, -220));
    body.cubicTo(base + QPointF(90, -170), base + QPointF(110, -80), base + QPointF(60, 0));
    body.closeSubpath();
    painter.setPen(QPen(QColor(110, 50, 30), 12, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(base + QPointF(-130, -220), QSizeF(90, 120)), 60 * 16, 160 * 16);
    QLinearGradient clay(base.x() - 100, 0, base.x() + 100, 0);
    clay.setColorAt(0, QColor(150, 70, 40));
    clay.setColorAt(0.35, QColor(226, 130, 80));
    clay.setColorAt(1, QColor(110, 46, 26));
    painter.setPen(QPen(QColor(90, 40, 20), 2));
    painter.setBrush(clay);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(QColor(250, 230, 190), 6));
    for (double y : {-150.0, -132.0})
        painter.drawLine(base + QPointF(-120, y), base + QPointF(120, y));
    painter.restore();
}

void Compositions::paintPlanet(QImage &image, QPointF centre, double radius)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(centre.x() - radius * 2.1, centre.y() - radius * 0.5, radius * 4.2, radius * 1.0);
    QPen ringPen(QColor(220, 200, 170, 200), radius * 0.16);
    painter.setPen(ringPen);
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.translate(centre);
    painter.rotate(-14);
    painter.translate(-centre);
    painter.drawArc(ring, 0, 180 * 16);
    painter.restore();

    const Noise bands(98);
    for (int y = int(centre.y() - radius); y <= int(centre.y() + radius); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = int(centre.x() - radius); x <= int(centre.x() + radius); ++x) {
            const double dx = (x - centre.x()) / radius;
            const double dy = (y - centre.y()) / radius;
            const double r = std::hypot(dx, dy);
            if (r > 1.0)
                continue;
            const double n = bands.fractal(dx * 1.5, dy * 9.0, 5);
            const QRgb surface = SceneKit::mix(qRgb(230, 180, 120), qRgb(150, 90, 60), 0.5 + 0.5 * std::sin(dy * 16 + n * 5));
            const double light = std::clamp(0.25 + 0.95 * (-dx * 0.6 - dy * 0.3 + std::sqrt(1 - r * r) * 0.75), 0.08, 1.15);
            line[x] = SceneKit::mix(line[x], SceneKit::scaled(surface, light), std::clamp((1.0 - r) * radius, 0.0, 1.0));
        }
    }
    painter.translate(centre);
    painter.rotate(-14);
    painter.translate(-centre);
    painter.setPen(ringPen);
    painter.drawArc(ring, 180 * 16, 180 * 16);
}
