// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

class Noise;
class QPainter;
class SeededRandom;

// Outdoor sample pictures.
class Landscapes
{
public:
    static QImage sunsetHills();
    static QImage mountainLake();
    static QImage flowerField();
    static QImage hotAirBalloons();
    static QImage cityAtNight();

private:
    static void paintMilkyWay(QImage &image, int bottom);
    static void paintTreeLine(QPainter &painter, const QList<double> &ridge, QColor colour,
                              double size, SeededRandom &random);
    static void paintConifers(QPainter &painter, const QList<double> &ridge, QColor colour,
                              double size, SeededRandom &random);
    static void paintGrass(QPainter &painter, int top, int bottom, int width, QColor dark,
                           QColor light, SeededRandom &random);
    static void paintWildflowers(QPainter &painter, int top, int bottom, int width, SeededRandom &random);
    static void paintRowingBoat(QPainter &painter, QPointF centre, double scale);
    static void paintRock(QImage &image, const QList<double> &ridge, QColor lit, QColor shadow, const Noise &gullies);
    static void paintSnow(QImage &image, const QList<double> &ridge, double snowline);
    static void paintFlower(QPainter &painter, QPointF centre, double radius, QColor petals,
                            SeededRandom &random);
    static void paintBalloon(QPainter &painter, QPointF centre, double radius,
                             const QList<QColor> &colours);
    static void paintBuildings(QImage &image, int waterline, int minHeight, int maxHeight,
                               QColor wall, double lit, SeededRandom &random);
};
