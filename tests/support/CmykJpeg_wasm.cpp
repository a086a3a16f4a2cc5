// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureSamples.h"

#include <QBuffer>

namespace PictureSamples {

// The browser's Qt is 6.8, which writes CMYK itself; libjpeg-turbo's own compressor is not built for
// the browser.
QByteArray CmykJpeg(const QImage &image)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_CMYK8888).save(&buffer, "jpeg", 90);
    return jpeg;
}

} // namespace PictureSamples
