// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"

#include "library/JpegSegments.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGlobalStatic>
#include <QImageReader>

#include <algorithm>

namespace {

// JPEG decodes straight to the small size through libjpeg's DCT scaling, so memory stays small
// whatever the photo; this bound only refuses forged headers and keeps the worst case under a second,
// while 100-megapixel camera photos still load.
constexpr qint64 MaxJpegPixels = 200'000'000;

// Except a progressive JPEG, whose every coefficient libjpeg keeps until the last scan: this lets a
// 24-megapixel photo without chroma subsampling (144 MB) or a 66-megapixel one at 4:2:0 load, and keeps a
// forged header at the bound under a second.
constexpr qint64 MaxProgressiveCoefficientBytes = qint64{200} * 1024 * 1024;

struct CacheKey {
    QString canonicalPath;
    QSize size;
    qint64 fileSize = -1;
    QDateTime modified;

    bool operator==(const CacheKey &) const = default;
};

struct CacheEntry {
    CacheKey key;
    QImage image;
};

// Built on first use rather than before main(), like any Qt global.
Q_GLOBAL_STATIC(CacheEntry, lastPrepared)

QString Message(PictureError kind)
{
    switch (kind) {
    case PictureError::None:
        return {};
    case PictureError::Missing:
        return QCoreApplication::translate("PictureLoader", "The file does not exist.");
    case PictureError::Unreadable:
        return QCoreApplication::translate("PictureLoader", "The file could not be read.");
    case PictureError::NotAPicture:
        return QCoreApplication::translate("PictureLoader", "The file is not a picture Tilora can open.");
    case PictureError::Damaged:
        return QCoreApplication::translate("PictureLoader", "The picture is damaged or incomplete.");
    case PictureError::TooLarge:
        return QCoreApplication::translate("PictureLoader", "The picture is too large to open.");
    }
    return {};
}

PreparedPicture Failure(PictureError kind)
{
    return {{}, Message(kind), kind};
}

// What the marker segments before the first scan tell about a JPEG file.
struct JpegHeader {
    bool endsBeforeScanData = false;
    bool progressive = false;
    qint64 coefficientBytes = 0;
};

// A progressive decoder holds all of these until the last scan: 64 coefficients of 2 bytes a block.
qint64 CoefficientBytes(const QByteArray &frame)
{
    const auto byte = [&frame](int i) { return i < frame.size() ? int(uchar(frame[i])) : 0; };
    const qint64 height = byte(1) << 8 | byte(2);
    const qint64 width = byte(3) << 8 | byte(4);
    const int components = byte(5);
    int maxH = 1, maxV = 1;
    for (int c = 0; c < components; ++c) {
        maxH = std::max(maxH, byte(7 + 3 * c) >> 4);
        maxV = std::max(maxV, byte(7 + 3 * c) & 15);
    }
    const qint64 mcuWidth = qint64{8} * maxH, mcuHeight = qint64{8} * maxV;
    qint64 bytes = 0;
    for (int c = 0; c < components; ++c) {
        const int h = byte(7 + 3 * c) >> 4, v = byte(7 + 3 * c) & 15;
        bytes += (width * h + mcuWidth - 1) / mcuWidth * ((height * v + mcuHeight - 1) / mcuHeight) * 128;
    }
    return bytes;
}

// Anything unexpected is left to libjpeg, which has already read this far without error.
JpegHeader ReadJpegHeader(QIODevice &device)
{
    JpegHeader header;
    JpegSegments::Walk(device, [&](const JpegSegments::Segment &segment) {
        if (segment.marker == JpegSegments::EndOfImage || segment.end < 0) {
            header.endsBeforeScanData = true;
            return false;
        }
        if (segment.marker == JpegSegments::StartOfScan) {
            // libjpeg fills a file that ends early with grey and reports success; one that ends
            // here holds nothing of the picture at all.
            header.endsBeforeScanData = segment.end >= device.size();
            return false;
        }
        if (JpegSegments::IsStartOfFrame(segment.marker)) {
            header.progressive = (segment.marker & 3) == 2;
            device.seek(segment.contentStart);
            header.coefficientBytes = CoefficientBytes(device.read(segment.end - segment.contentStart));
        }
        return true;
    });
    return header;
}

qint64 PixelLimit(const QImageReader &reader)
{
    // Other formats are decoded whole before they are scaled down, so Qt's allocation limit holds.
    const qint64 allocationLimit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (reader.format() == "jpeg" || allocationLimit == 0)
        return MaxJpegPixels;
    return allocationLimit / 4;
}

PreparedPicture Decode(QFile &file, QSize size)
{
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return Failure(PictureError::NotAPicture);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return Failure(PictureError::Damaged);
    if (qint64(stored.width()) * stored.height() > PixelLimit(reader))
        return Failure(PictureError::TooLarge);
    if (reader.format() == "jpeg") {
        const JpegHeader header = ReadJpegHeader(file);
        if (header.endsBeforeScanData)
            return Failure(PictureError::Damaged);
        if (header.progressive && header.coefficientBytes > MaxProgressiveCoefficientBytes)
            return Failure(PictureError::TooLarge);
    }

    // The scaled size applies before the EXIF turn.
    reader.setScaledSize(reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed() : size);
    QImage image = reader.read();
    if (image.isNull())
        return Failure(PictureError::Damaged);
    const auto format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return {image.convertToFormat(format), {}, PictureError::None};
}

} // namespace

namespace PictureLoader {

PreparedPicture Prepare(const QString &path, QSize size)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Failure(PictureError::Missing);
    if (!info.isFile())
        return Failure(PictureError::NotAPicture);
    if (info.size() == 0)
        return Failure(PictureError::Damaged);

    const CacheKey key{info.canonicalFilePath(), size, info.size(), info.lastModified()};
    if (lastPrepared->key == key)
        return {lastPrepared->image, {}, PictureError::None};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(PictureError::Unreadable);
    PreparedPicture prepared = Decode(file, size);
    if (prepared.ok())
        *lastPrepared = {key, prepared.image};
    return prepared;
}

void ClearCache()
{
    *lastPrepared = {};
}

} // namespace PictureLoader
