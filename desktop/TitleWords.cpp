// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/TitleWords.h"

#include "desktop/Artwork.h"
#include "desktop/Translations.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QLatin1StringView Version("1.0");

// DejaVu Sans, as the art's own lettering; scripts it lacks come from the fonts the system has for them.
QFont Lettering(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A translation longer than the room drawn smaller rather than cut off.
QFont Fitted(QFont font, const QString &text, qreal room)
{
    while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// Outlines rather than glyph images: they scale with the painter, so the words are as sharp as the screen.
QPainterPath Outline(QPointF baseline, const QFont &font, const QString &text)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

void DrawWithShadow(QPainter &painter, const QPainterPath &words, QColor colour, QColor shadow)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPath(words.translated(1.2, 1.4));
    painter.setBrush(colour);
    painter.drawPath(words);
}

} // namespace

QString TitleWords::StartWords()
{
    return tr("A picture tile puzzle");
}

QImage TitleWords::StartPicture(qreal ratio)
{
    QImage picture = Artwork::ScreenPicture(QStringLiteral(":/art/builtin.rgb32"), ratio);
    const QString language = Translations::Shown();
    const QImage band = Artwork::ScreenPicture(
        QStringLiteral(":/art/words/start_%1.argb32").arg(language.isEmpty() ? QStringLiteral("en") : language), ratio);
    // The painter works in the picture's logical pixels, whatever its ratio.
    QPainter painter(&picture);
    painter.drawImage(StartBand.topLeft(), band);
    return picture;
}

void TitleWords::LetterStart(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QString subtitle = StartWords();
    const QFont font = Fitted(Lettering(14, true), subtitle, 280);
    const qreal width = QFontMetricsF(font).horizontalAdvance(subtitle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 60, 120));
    painter.drawRoundedRect(QRectF((320 - width) / 2 - 12, 140, width + 24, 26), 13, 13);
    DrawWithShadow(painter, Outline({(320 - width) / 2, 158}, font, subtitle), Qt::white, QColor(10, 20, 50, 180));
}

QImage TitleWords::AboutPicture(qreal ratio)
{
    QImage picture = Artwork::ScreenPicture(QStringLiteral(":/art/about.jpg"), ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Right of the name's grid, and short of the 345 pixels the About window's frame leaves in sight.
    constexpr qreal room = 256;
    const QString subtitle = StartWords();
    const QString version = tr("Version %1").arg(Version);
    const QColor shadow(0, 0, 30, 140);
    DrawWithShadow(painter, Outline({84, 56}, Fitted(Lettering(12, false), subtitle, room), subtitle), QColor(226, 234, 255), shadow);
    DrawWithShadow(painter, Outline({84, 71}, Fitted(Lettering(11, false), version, room), version), QColor(190, 210, 240), shadow);
    return picture;
}
