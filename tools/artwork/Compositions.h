// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QLineF>

class QPainter;
class SeededRandom;

// Sample pictures that are not open landscapes.
class Compositions
{
public:
    static QImage coralReef();
    static QImage stainedGlass();
    static QImage fruitBowl();
    static QImage geometricTiles();
    static QImage spaceNebula();

private:
    static void growCoral(QList<QPair<QLineF, double>> &branches, QPointF base, double angle,
                          double length, double width, int depth, SeededRandom &random);
    static void paintFish(QPainter &painter, QPointF centre, double length, bool facingLeft,
                          QColor body, QColor stripes);
    static void paintFruit(QPainter &painter, QPointF centre, double radius, QColor colour,
                           bool stalk, SeededRandom &random);
    static void paintGrapes(QPainter &painter, QPointF top, double size, SeededRandom &random);
    static void paintWindow(QPainter &painter, const QRectF &frame);
    static void paintFramedPicture(QPainter &painter, const QRectF &frame);
    static void paintClock(QPainter &painter, QPointF centre, double radius);
    static void paintJug(QPainter &painter, QPointF base);
    static void paintPlanet(QImage &image, QPointF centre, double radius);
};
