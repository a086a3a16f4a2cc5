// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>

class Noise;
class SeededRandom;

// Painting steps the sample pictures share: skies, clouds, ridges, water.
class SceneKit
{
public:
    static QRgb mix(QRgb a, QRgb b, double t);
    static QRgb scaled(QRgb colour, double factor);
    static double smoothStep(double edge0, double edge1, double x);

    static void fillVertical(QImage &image, int top, int bottom, const QList<QColor> &colours);
    static void paintClouds(QImage &image, int top, int bottom, const Noise &noise, double size,
                            double coverage, QColor edge, QColor core);
    static void paintStars(QImage &image, int bottom, int count, SeededRandom &random);

    // Height of a hill or mountain line for every column of the image.
    static QList<double> ridge(int width, const Noise &noise, double base, double amplitude,
                               double size, bool jagged);
    // The colour runs from top to bottom over span pixels below the ridge, or down to the image's foot.
    static void paintLand(QImage &image, const QList<double> &ridge, QColor top, QColor bottom,
                          const Noise &texture, double size, double strength, double span = 0);
    static void mirrorInto(QImage &image, int waterline, QColor tint, double tintAmount,
                           const Noise &ripples);
    static void mottle(QImage &image, const Noise &noise, double size, double strength);

    static QPainterPath ridgePath(const QList<double> &ridge, int height);
};
