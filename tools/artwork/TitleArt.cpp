// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TitleArt.h"

#include "IconArt.h"
#include "Noise.h"
#include "SceneKit.h"
#include "SeededRandom.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

void drawShadowedText(QPainter &painter, QPointF origin, const QFont &font, const QString &text,
                      QColor colour, QColor shadow)
{
    QPainterPath path;
    path.addText(origin, font, text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(path.translated(1.2, 1.4));
    painter.setBrush(colour);
    painter.drawPath(path);
}

}

QImage TitleArt::builtinPicture(int scale)
{
    QImage image(320, 240, QImage::Format_RGB32);
    SceneKit::fillVertical(image, 0, 150, {QColor(64, 132, 220), QColor(132, 188, 240), QColor(250, 226, 180)});
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sun(QPointF(250, 52), 60);
        sun.setColorAt(0, QColor(255, 250, 210));
        sun.setColorAt(0.3, QColor(255, 236, 150, 220));
        sun.setColorAt(1, QColor(255, 220, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sun);
        painter.drawEllipse(QPointF(250, 52), 60, 60);
    }
    SceneKit::paintClouds(image, 0, 120, Noise(3), 60, 0.52, QColor(214, 220, 240), QColor(255, 255, 255));
    SceneKit::paintLand(image, SceneKit::ridge(320, Noise(4), 142, 16, 110, false), QColor(96, 168, 120), QColor(70, 140, 100), Noise(5), 8, 0.12);
    SceneKit::paintLand(image, SceneKit::ridge(320, Noise(6), 176, 18, 90, false), QColor(120, 190, 70), QColor(70, 150, 50), Noise(7), 6, 0.14);
    SceneKit::paintLand(image, SceneKit::ridge(320, Noise(8), 212, 14, 80, false), QColor(230, 190, 70), QColor(200, 140, 50), Noise(9), 5, 0.14);
    // The textured backdrop is soft anyway; the tiles and lettering are drawn anew at each scale.
    if (scale != 1)
        image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    // The board's 8 × 6 tiles, lightly bevelled, hint at what the picture becomes.
    SeededRandom random(12);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 8; ++column) {
            const QRectF tile(column * 40, row * 40, 40, 40);
            painter.fillRect(tile, QColor(255, 255, 255, random.below(26)));
            painter.setPen(QPen(QColor(255, 255, 255, 80), 1));
            painter.drawLine(tile.topLeft() + QPointF(0.5, 0.5), tile.topRight() + QPointF(-0.5, 0.5));
            painter.drawLine(tile.topLeft() + QPointF(0.5, 0.5), tile.bottomLeft() + QPointF(0.5, -0.5));
            painter.setPen(QPen(QColor(0, 0, 40, 60), 1));
            painter.drawLine(tile.bottomLeft() + QPointF(0.5, -0.5), tile.bottomRight() + QPointF(-0.5, -0.5));
            painter.drawLine(tile.topRight() + QPointF(-0.5, 0.5), tile.bottomRight() + QPointF(-0.5, -0.5));
        }
    }

    const QString name = QStringLiteral("Tilora");
    const double size = 42;
    const double spacing = 5;
    const double left = (320 - name.size() * size - (name.size() - 1) * spacing) / 2;
    const double turns[] = {-6, 4, -3, 5, -4, 3};
    for (int i = 0; i < name.size(); ++i) {
        const QColor colour = QColor::fromHsvF(0.8 * i / 5.0, 0.8, 0.95);
        painter.save();
        painter.translate(left + i * (size + spacing) + size / 2, 96);
        painter.rotate(turns[i]);
        const QRectF tile(-size / 2, -size / 2, size, size);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 30, 90));
        painter.drawRoundedRect(tile.translated(2.5, 3.5), 7, 7);
        QLinearGradient fill(0, tile.top(), 0, tile.bottom());
        fill.setColorAt(0, colour.lighter(125));
        fill.setColorAt(1, colour.darker(125));
        painter.setPen(QPen(QColor(255, 255, 255, 230), 2));
        painter.setBrush(fill);
        painter.drawRoundedRect(tile, 7, 7);
        const QFont font = boldFont(30);
        QPainterPath letter;
        letter.addText(0, 0, font, name.mid(i, 1));
        const QRectF bounds = letter.boundingRect();
        letter.translate(-bounds.center().x(), -bounds.center().y() + 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.darker(200));
        painter.drawPath(letter.translated(1.3, 1.6));
        painter.setBrush(Qt::white);
        painter.drawPath(letter);
        painter.restore();
    }
    return image;
}

QImage TitleArt::aboutPicture(int scale)
{
    QImage image(350 * scale, 80 * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QLinearGradient background(0, 0, 350, 80);
    background.setColorAt(0, QColor(36, 32, 96));
    background.setColorAt(0.6, QColor(40, 70, 140));
    background.setColorAt(1, QColor(24, 124, 150));
    painter.fillRect(QRect(0, 0, 350, 80), background);
    SeededRandom random(21);
    for (int y = 0; y < 80; y += 10) {
        for (int x = 0; x < 350; x += 10)
            painter.fillRect(QRect(x + 1, y + 1, 8, 8), QColor(255, 255, 255, random.below(int(6 + x / 14))));
    }

    painter.save();
    painter.translate(12, 12);
    IconArt::paintPolishedGrid(painter, 56, true);
    painter.restore();

    drawShadowedText(painter, {82, 38}, boldFont(30), QStringLiteral("Tilora"), Qt::white, QColor(0, 0, 30, 160));
    return image;
}
