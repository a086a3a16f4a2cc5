// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureSamples.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <functional>

namespace {

QByteArray Written(const QImage &image, const char *format, const std::function<void(QImageWriter &)> &setUp = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (setUp)
        setUp(writer);
    writer.write(image);
    return bytes;
}

} // namespace

namespace PictureSamples {

QImage Tiles(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const qreal width = size.width() / 8.0, height = size.height() / 6.0;
    for (int piece = 0; piece < 48; ++piece)
        painter.fillRect(QRectF(piece % 8 * width, piece / 8 * height, width, height), PieceColour(piece));
    return image;
}

QColor PieceColour(int piece)
{
    return QColor::fromHsv(piece * 7, 120 + piece % 4 * 40, 90 + piece / 8 * 30);
}

QByteArray Jpeg(const QImage &image, int quality)
{
    return Written(image, "jpeg", [quality](QImageWriter &writer) { writer.setQuality(quality); });
}

QByteArray ProgressiveJpeg(const QImage &image)
{
    return Written(image, "jpeg", [](QImageWriter &writer) { writer.setProgressiveScanWrite(true); });
}

QByteArray GrayscaleJpeg(const QImage &image)
{
    return Jpeg(image.convertToFormat(QImage::Format_Grayscale8));
}

QByteArray Png(const QImage &image)
{
    return Written(image, "png");
}

QByteArray Gif()
{
    static const uchar gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
    return QByteArray(reinterpret_cast<const char *>(gif), sizeof gif);
}

std::optional<JpegSegments::Segment> FirstSegment(const QByteArray &jpeg, const std::function<bool(int marker)> &wanted)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    std::optional<JpegSegments::Segment> found;
    JpegSegments::Walk(buffer, [&](const JpegSegments::Segment &segment) {
        if (wanted(segment.marker))
            found = segment;
        return !found;
    });
    return found;
}

JpegSegments::Segment FirstScan(const QByteArray &jpeg)
{
    return *FirstSegment(jpeg, [](int marker) { return marker == JpegSegments::StartOfScan; });
}

QByteArray WithClaimedSize(QByteArray jpeg, QSize size)
{
    const qsizetype frame = FirstSegment(jpeg, JpegSegments::IsStartOfFrame)->contentStart;
    jpeg[frame + 1] = char(size.height() >> 8);
    jpeg[frame + 2] = char(size.height());
    jpeg[frame + 3] = char(size.width() >> 8);
    jpeg[frame + 4] = char(size.width());
    return jpeg;
}

QByteArray CutAfterHeader(const QByteArray &jpeg)
{
    return jpeg.left(FirstScan(jpeg).end);
}

QByteArray CutMidScan(const QByteArray &jpeg)
{
    return jpeg.left(jpeg.size() / 2);
}

QByteArray WithCorruptScan(QByteArray jpeg)
{
    const qsizetype start = FirstScan(jpeg).end;
    QRandomGenerator random(7);
    for (qsizetype at = start + (jpeg.size() - start) / 3; at < start + (jpeg.size() - start) / 2; ++at)
        jpeg[at] = char(random.bounded(0xFF));
    return jpeg;
}

QByteArray RandomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator random(42);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QList<Sample> All()
{
    const QImage tiles = Tiles(QSize(640, 480));
    const QByteArray jpeg = Jpeg(tiles);
    const QColor topLeft = PieceColour(0);
    const QColor green(0, 150, 40);
    QImage onePixel(1, 1, QImage::Format_RGB32);
    onePixel.fill(green);
    return {
        {QStringLiteral("baseline.jpg"), jpeg, topLeft},
        {QStringLiteral("random-bytes.jpg"), RandomBytes(4096), {}},
        {QStringLiteral("empty.jpg"), QByteArray(), {}},
        {QStringLiteral("cut-after-header.jpg"), CutAfterHeader(jpeg), {}},
        {QStringLiteral("cut-mid-scan.jpg"), CutMidScan(jpeg), topLeft},
        {QStringLiteral("corrupt-scan.jpg"), WithCorruptScan(jpeg), topLeft},
        {QStringLiteral("progressive.jpg"), ProgressiveJpeg(tiles), topLeft},
        {QStringLiteral("grayscale.jpg"), GrayscaleJpeg(tiles), QColor::fromRgb(qGray(topLeft.rgb()), qGray(topLeft.rgb()), qGray(topLeft.rgb()))},
        {QStringLiteral("cmyk.jpg"), CmykJpeg(Tiles()), topLeft},
        {QStringLiteral("one-pixel.jpg"), Jpeg(onePixel), green},
        {QStringLiteral("claims-65500x65500.jpg"), WithClaimedSize(jpeg, QSize(65500, 65500)), {}},
        {QStringLiteral("claims-0x0.jpg"), WithClaimedSize(jpeg, QSize(0, 0)), {}},
        {QStringLiteral("png-inside.jpg"), Png(tiles), topLeft},
        {QStringLiteral("gif-inside.jpg"), Gif(), Qt::red},
    };
}

} // namespace PictureSamples
