#include "library/PictureLoader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// JPEG decodes straight to the small size through libjpeg's DCT scaling, so memory stays small
// whatever the photo; this bound only refuses forged headers and keeps the worst case under a second,
// while 100-megapixel camera photos still load.
constexpr qint64 MaxJpegPixels = 200'000'000;

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

CacheEntry lastPrepared;

QString Message(PictureError kind)
{
    switch (kind) {
    case PictureError::None:
        return {};
    case PictureError::Missing:
        return QStringLiteral("The file does not exist.");
    case PictureError::Unreadable:
        return QStringLiteral("The file could not be read.");
    case PictureError::NotAPicture:
        return QStringLiteral("The file is not a picture Tilora can open.");
    case PictureError::Damaged:
        return QStringLiteral("The picture is damaged or incomplete.");
    case PictureError::TooLarge:
        return QStringLiteral("The picture is too large to open.");
    }
    return {};
}

PreparedPicture Failure(PictureError kind)
{
    return {{}, Message(kind), kind};
}

// The code of the marker at the device's position, fill bytes skipped; -1 if there is none.
int NextMarker(QIODevice &device)
{
    char byte = 0;
    if (!device.getChar(&byte) || uchar(byte) != 0xFF)
        return -1;
    while (device.getChar(&byte)) {
        if (uchar(byte) != 0xFF)
            return uchar(byte);
    }
    return -1;
}

// libjpeg fills a file that ends early with grey and reports success; a file that ends before
// its first scan holds nothing of the picture at all. Anything unexpected is left to libjpeg.
bool EndsBeforeScanData(QIODevice &device)
{
    constexpr int StartOfScan = 0xDA;
    constexpr int EndOfImage = 0xD9;
    const qint64 start = device.pos();
    bool endsEarly = false;
    device.seek(2);
    for (int marker = NextMarker(device); marker != -1; marker = NextMarker(device)) {
        uchar length[2];
        if (marker == EndOfImage || device.read(reinterpret_cast<char *>(length), 2) != 2) {
            endsEarly = true;
            break;
        }
        const qint64 segmentEnd = device.pos() + (length[0] << 8 | length[1]) - 2;
        if (marker == StartOfScan) {
            endsEarly = segmentEnd >= device.size();
            break;
        }
        device.seek(segmentEnd);
    }
    device.seek(start);
    return endsEarly;
}

qint64 PixelLimit(const QImageReader &reader)
{
    if (reader.format() == "jpeg")
        return MaxJpegPixels;
    // Other formats are decoded whole before they are scaled down.
    return qint64(QImageReader::allocationLimit()) * 1024 * 1024 / 4;
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
    if (reader.format() == "jpeg" && EndsBeforeScanData(file))
        return Failure(PictureError::Damaged);

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
    if (lastPrepared.key == key)
        return {lastPrepared.image, {}, PictureError::None};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(PictureError::Unreadable);
    PreparedPicture prepared = Decode(file, size);
    if (prepared.ok())
        lastPrepared = {key, prepared.image};
    return prepared;
}

void ClearCache()
{
    lastPrepared = {};
}

} // namespace PictureLoader
