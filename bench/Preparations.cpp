// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/Preparations.h"

#include "library/PictureLoader.h"

#include <QFile>

#include <turbojpeg.h>

namespace {

tjscalingfactor SmallestFactorCovering(int width, int height, QSize size)
{
    int count = 0;
    const tjscalingfactor *factors = tjGetScalingFactors(&count);
    tjscalingfactor best{1, 1};
    for (int i = 0; i < count; ++i) {
        const tjscalingfactor factor = factors[i];
        const bool covers = TJSCALED(width, factor) >= size.width() && TJSCALED(height, factor) >= size.height();
        if (covers && TJSCALED(width, factor) < TJSCALED(width, best))
            best = factor;
    }
    return best;
}

} // namespace

namespace Preparations {

QImage Ours(const QString &path, QSize size)
{
    PictureLoader::ClearCache();
    return PictureLoader::Prepare(path, size).image;
}

QImage Naive(const QString &path, QSize size)
{
    return QImage(path).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Floor(const QString &path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray jpeg = file.readAll();
    const auto *data = reinterpret_cast<const unsigned char *>(jpeg.constData());
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    QImage decoded;
    if (tjDecompressHeader3(handle, data, jpeg.size(), &width, &height, &subsampling, &colourspace) == 0) {
        const tjscalingfactor factor = SmallestFactorCovering(width, height, size);
        decoded = QImage(TJSCALED(width, factor), TJSCALED(height, factor), QImage::Format_RGB32);
        // QImage's RGB32 is B, G, R, X in memory on a little-endian machine.
        if (tjDecompress2(handle, data, jpeg.size(), decoded.bits(), decoded.width(), int(decoded.bytesPerLine()),
                          decoded.height(), TJPF_BGRX, 0) != 0)
            decoded = QImage();
    }
    tjDestroy(handle);
    return decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Preparation ByName(const QString &name)
{
    if (name == QLatin1String("ours"))
        return Ours;
    if (name == QLatin1String("naive"))
        return Naive;
    if (name == QLatin1String("floor"))
        return Floor;
    return nullptr;
}

} // namespace Preparations
