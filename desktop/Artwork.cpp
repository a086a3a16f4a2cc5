// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Artwork.h"

#include <QBitmap>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>

namespace Artwork {

namespace {

// Read in the format the name gives: left to guess from the content, Qt loads every image
// plugin it has, which costs start-up more than decoding all the artwork.
QImage ReadResource(const QString &resource)
{
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The faces are pixel art: doubled pixel for pixel they stay crisp on a 2× screen,
// where Qt's smooth scaling would blur them.
QIcon PixelArtIcon(const QImage &face)
{
    QIcon icon(QPixmap::fromImage(face));
    icon.addPixmap(QPixmap::fromImage(face.scaled(face.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

QIcon MakeButtonFace(const QString &resource)
{
    QImage face = ReadResource(resource);
    if (!face.hasAlphaChannel()) {
        const QImage grey = face.createMaskFromColor(qRgb(192, 192, 192), Qt::MaskOutColor);
        face = face.convertToFormat(QImage::Format_ARGB32);
        face.setAlphaChannel(grey);
    }
    return PixelArtIcon(face);
}

} // namespace

// Each icon is made once: a fresh one for every dialog would have its drawings cached anew each
// time, and the program's memory would grow by some 10 KB a game until Qt's pixmap cache is full.
QIcon ButtonFace(const QString &resource)
{
    static QHash<QString, QIcon> faces;
    QIcon &face = faces[resource];
    if (face.isNull())
        face = MakeButtonFace(resource);
    return face;
}

QImage ScreenPicture(const QString &resource, qreal ratio)
{
    if (ratio <= 1)
        return ReadResource(resource);
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    QImage dense = ReadResource(resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot));
    dense.setDevicePixelRatio(2);
    return dense;
}

QIcon WindowIcon()
{
    static const QIcon icon = PixelArtIcon(ReadResource(QStringLiteral(":/art/tilora.png")));
    return icon;
}

int DragPointerSize(const QByteArray &xcursorSize)
{
    bool set = false;
    const int asked = xcursorSize.trimmed().toInt(&set);
    return set && asked > 0 && asked < 24 ? 16 : 32;
}

QCursor DragCursor()
{
    const int size = DragPointerSize(qgetenv("XCURSOR_SIZE"));
    const QPixmap hand(QStringLiteral(":/art/drag%1.png").arg(size));
    return QCursor(hand, hand.width() / 2, hand.height() / 2);
}

} // namespace Artwork
