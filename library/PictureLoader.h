#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The outcome of preparing a picture file: the image, or a reason in plain words.
struct PreparedPicture {
    QImage image;
    QString error;

    bool ok() const { return !image.isNull(); }
};

// The one place picture files are read. Decodes straight to the requested size (stretched,
// aspect ratio not kept), honours the EXIF orientation, and refuses damaged or huge files
// without allocating for them. The last preparation is kept, keyed by path, file size and
// modification time, so a picture previewed in the chooser starts its game without a second decode.
namespace PictureLoader {

PreparedPicture Prepare(const QString &path, QSize size);

// Forgets the kept preparation.
void ClearCache();

} // namespace PictureLoader
