// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureSamples.h"

#include <QColor>
#include <turbojpeg.h>

namespace PictureSamples {

// Qt before 6.8 cannot write CMYK, libjpeg-turbo can. The inks are stored inverted, as Photoshop
// and libjpeg-turbo's own tools store them and as decoders expect.
QByteArray CmykJpeg(const QImage &image)
{
    QByteArray cmyk(image.width() * image.height() * 4, Qt::Uninitialized);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = QColor(image.pixel(x, y)).toCmyk();
            const qsizetype at = (qsizetype(y) * image.width() + x) * 4;
            cmyk[at] = char(255 - colour.cyan());
            cmyk[at + 1] = char(255 - colour.magenta());
            cmyk[at + 2] = char(255 - colour.yellow());
            cmyk[at + 3] = char(255 - colour.black());
        }
    }
    tjhandle compressor = tjInitCompress();
    unsigned char *output = nullptr;
    unsigned long outputSize = 0;
    const int failed = tjCompress2(compressor, reinterpret_cast<const unsigned char *>(cmyk.constData()), image.width(),
                                   0, image.height(), TJPF_CMYK, &output, &outputSize, TJSAMP_444, 90, 0);
    QByteArray jpeg = failed ? QByteArray() : QByteArray(reinterpret_cast<const char *>(output), qsizetype(outputSize));
    tjFree(output);
    tjDestroy(compressor);
    return jpeg;
}

} // namespace PictureSamples
