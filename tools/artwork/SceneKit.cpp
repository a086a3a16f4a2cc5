// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneKit.h"

#include "Noise.h"
#include "SeededRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

QRgb SceneKit::mix(QRgb a, QRgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

QRgb SceneKit::scaled(QRgb colour, double factor)
{
    auto channel = [factor](int x) { return std::clamp(int(std::lround(x * factor)), 0, 255); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

double SceneKit::smoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void SceneKit::fillVertical(QImage &image, int top, int bottom, const QList<QColor> &colours)
{
    QLinearGradient gradient(0, top, 0, bottom);
    for (int i = 0; i < colours.size(); ++i)
        gradient.setColorAt(double(i) / (colours.size() - 1), colours[i]);
    QPainter painter(&image);
    painter.fillRect(QRect(0, top, image.width(), bottom - top), gradient);
}

void SceneKit::paintClouds(QImage &image, int top, int bottom, const Noise &noise, double size,
                           double coverage, QColor edge, QColor core)
{
    const int band = bottom - top;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        // Clouds thin out towards both edges of their band instead of ending in a straight line.
        const double fade = smoothStep(0.0, 0.2, double(y - top) / band) * smoothStep(1.0, 0.75, double(y - top) / band);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double n = noise.fractal(x / size, y / (size * 0.45), 6);
            const double density = smoothStep(coverage, coverage + 0.22, n) * fade;
            if (density <= 0.0)
                continue;
            // Denser noise just above means this point lies on the cloud's shaded underside.
            const double above = noise.fractal(x / size, (y - size * 0.08) / (size * 0.45), 6);
            const double tone = smoothStep(coverage, coverage + 0.35, n) * (1.0 - 0.6 * smoothStep(-0.02, 0.06, above - n));
            line[x] = mix(line[x], mix(edge.rgb(), core.rgb(), tone), density * 0.95);
        }
    }
}

void SceneKit::paintStars(QImage &image, int bottom, int count, SeededRandom &random)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(random.uniform(0, image.width()), random.uniform(0, bottom));
        const double brightness = std::pow(random.uniform(), 3.0);
        const double radius = 0.5 + 1.8 * brightness;
        QColor colour = QColor::fromHsvF(random.uniform(0.08, 0.65), random.uniform(0.0, 0.3), 1.0);
        QRadialGradient glow(centre, radius * 3.0);
        colour.setAlphaF(0.35 + 0.65 * brightness);
        glow.setColorAt(0.0, colour);
        glow.setColorAt(0.3, colour);
        colour.setAlphaF(0.0);
        glow.setColorAt(1.0, colour);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius * 3.0, radius * 3.0);
    }
}

QList<double> SceneKit::ridge(int width, const Noise &noise, double base, double amplitude,
                              double size, bool jagged)
{
    QList<double> heights(width);
    for (int x = 0; x < width; ++x) {
        double n = noise.fractal(x / size, 0.5, 7);
        // Folding the noise turns rounded hills into sharp peaks.
        if (jagged)
            n = 1.0 - std::abs(2.0 * n - 1.0);
        heights[x] = base - amplitude * (n - 0.5) * 2.0;
    }
    return heights;
}

void SceneKit::paintLand(QImage &image, const QList<double> &ridge, QColor top, QColor bottom,
                         const Noise &texture, double size, double strength, double span)
{
    const double depth = span > 0 ? span : image.height() - *std::min_element(ridge.begin(), ridge.end());
    for (int x = 0; x < image.width(); ++x) {
        const int start = std::max(0, int(std::ceil(ridge[x])));
        for (int y = start; y < image.height(); ++y) {
            const double t = std::min(1.0, (y - ridge[x]) / depth);
            // Lit from the upper left: the slope of the noise reads as relief, not as haze.
            const double n = texture.fractal(x / size, y / size, 5);
            const double slope = texture.fractal((x + 2.0) / size, (y + 2.0) / size, 3) - texture.fractal(x / size, y / size, 3);
            const double light = 1.0 + strength * ((n - 0.5) - slope * size * 0.6);
            const QRgb colour = scaled(mix(top.rgb(), bottom.rgb(), t), light);
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            // A soft top edge keeps the ridge line from looking cut out.
            line[x] = mix(line[x], colour, std::clamp(y + 1.0 - ridge[x], 0.0, 1.0));
        }
    }
}

void SceneKit::mirrorInto(QImage &image, int waterline, QColor tint, double tintAmount,
                          const Noise &ripples)
{
    const QImage source = image.copy();
    for (int y = waterline; y < image.height(); ++y) {
        const double distance = y - waterline;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double wave = ripples.fractal(x / 180.0, distance / 9.0 + distance * distance / 4000.0, 4) - 0.5;
            const int sx = std::clamp(int(x + wave * (6.0 + distance * 0.12)), 0, image.width() - 1);
            const int sy = std::clamp(int(waterline - distance * 1.05 - 1 + wave * distance * 0.1), 0, waterline - 1);
            const QRgb reflected = reinterpret_cast<const QRgb *>(source.constScanLine(sy))[sx];
            const double depthTint = tintAmount + (1.0 - tintAmount) * distance / image.height();
            line[x] = scaled(mix(reflected, tint.rgb(), depthTint), 0.92 + wave * 0.5);
        }
    }
}

void SceneKit::mottle(QImage &image, const Noise &noise, double size, double strength)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = scaled(line[x], 1.0 + strength * (noise.fractal(x / size, y / size, 4) - 0.5) * 2.0);
    }
}

QPainterPath SceneKit::ridgePath(const QList<double> &ridge, int height)
{
    QPainterPath path;
    path.moveTo(0, height);
    for (int x = 0; x < ridge.size(); ++x)
        path.lineTo(x, ridge[x]);
    path.lineTo(ridge.size(), height);
    path.closeSubpath();
    return path;
}
