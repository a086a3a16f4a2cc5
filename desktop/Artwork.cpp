// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Artwork.h"

#include <QBitmap>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

#include <cstdint>

namespace Artwork {

namespace {

// An image the build decoded (see desktop/CMakeLists.txt): its width and height as two 32-bit
// integers, then its rows in the given format, all in this machine's byte order. Null where the
// resource is missing or holds another number of bytes. Stored uncompressed, it is read in place.
QImage ReadUnpacked(const QString &resource, QImage::Format format)
{
    const QByteArray unpacked = QResource(resource).uncompressedData();
    constexpr qint64 header = 2 * sizeof(std::int32_t);
    if (unpacked.size() < header)
        return {};
    const auto *data = reinterpret_cast<const uchar *>(unpacked.constData());
    const int width = qFromUnaligned<std::int32_t>(data);
    const int height = qFromUnaligned<std::int32_t>(data + sizeof(std::int32_t));
    const QImage view(data + header, width, height, format);
    if (view.isNull() || unpacked.size() != header + view.sizeInBytes())
        return {};
    // Qt's own copy keeps the program free of a libc copy of unknown length, which no
    // fortification could check.
    return view.copy();
}

// Read in the format the name gives: left to guess from the content, Qt loads every image
// plugin it has, which costs start-up more than decoding all the artwork.
QImage ReadResource(const QString &resource)
{
    const QString suffix = QFileInfo(resource).suffix();
    if (suffix == QLatin1String("rgb32"))
        return ReadUnpacked(resource, QImage::Format_RGB32);
    if (suffix == QLatin1String("argb32"))
        return ReadUnpacked(resource, QImage::Format_ARGB32);
    QImageReader reader(resource, suffix.toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Every pixel made a 2 × 2 block, by hand: QImage::scaled paints through a transform, which
// costs start-up more than the rest of the faces together.
QImage Doubled(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage doubled(source.size() * 2, source.format());
    const int width = doubled.width();
    for (int y = 0; y < doubled.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y / 2));
        auto *to = reinterpret_cast<QRgb *>(doubled.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = from[x / 2];
    }
    return doubled;
}

// The faces are pixel art: doubled pixel for pixel they stay crisp on a 2× screen,
// where Qt's smooth scaling would blur them.
QIcon PixelArtIcon(const QImage &face)
{
    QIcon icon(QPixmap::fromImage(face));
    icon.addPixmap(QPixmap::fromImage(Doubled(face)));
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

// The resource drawn for 2× screens: "name@2x.ext" beside "name.ext".
QString DenseResource(const QString &resource)
{
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
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
    QImage dense = ReadResource(DenseResource(resource));
    dense.setDevicePixelRatio(2);
    return dense;
}

QIcon WindowIcon()
{
    static const QIcon icon = PixelArtIcon(ReadResource(QStringLiteral(":/art/tilora.argb32")));
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
