// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/PhotoSet.h"

#include <QFile>
#include <QtMath>

#include <turbojpeg.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Smooth light, hard-edged shapes and texture, then sensor noise: enough detail that the
// entropy decoder works as hard as on a real photo.
std::vector<unsigned char> PhotoPixels(QSize size)
{
    std::vector<unsigned char> rgb(size_t(size.width()) * size.height() * 3);
    uint32_t noise = 2463534242u;
    auto *out = rgb.data();
    for (int y = 0; y < size.height(); ++y) {
        const double fy = double(y) / size.height();
        for (int x = 0; x < size.width(); ++x) {
            const double fx = double(x) / size.width();
            const bool inBlock = (int(fx * 7) + int(fy * 5)) % 3 == 0;
            const double texture = 30 * qSin(x * 0.05 + 8 * qSin(y * 0.011)) * qCos(y * 0.07);
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = int(noise % 25) - 12;
            const double light = 60 + 120 * fx * (1 - fy) + (inBlock ? 50 : 0) + texture;
            *out++ = uchar(std::clamp(int(light + 40 * fy) + grain, 0, 255));
            *out++ = uchar(std::clamp(int(light * 0.8 + 30) + grain, 0, 255));
            *out++ = uchar(std::clamp(int(200 - light * 0.6) + grain, 0, 255));
        }
    }
    return rgb;
}

// The frame marker tells a progressive JPEG from a sequential one.
bool IsProgressive(const unsigned char *jpeg, unsigned long length)
{
    unsigned long at = 2;
    while (at + 4 <= length && jpeg[at] == 0xFF) {
        const int marker = jpeg[at + 1];
        if (marker == 0xC2)
            return true;
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xDA)
            return false;
        at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
    }
    return false;
}

QByteArray Compress(QSize size, bool progressive)
{
    const std::vector<unsigned char> rgb = PhotoPixels(size);
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long length = 0;
    const int flags = progressive ? TJFLAG_PROGRESSIVE : 0;
    if (tjCompress2(handle, rgb.data(), size.width(), 0, size.height(), TJPF_RGB, &jpeg, &length, TJSAMP_420, 90, flags) != 0)
        qFatal("Cannot compress a test photo: %s", tjGetErrorStr2(handle));
    tjDestroy(handle);

    int width = 0, height = 0, subsampling = -1, colourspace = -1;
    handle = tjInitDecompress();
    tjDecompressHeader3(handle, jpeg, length, &width, &height, &subsampling, &colourspace);
    tjDestroy(handle);
    if (subsampling != TJSAMP_420 || IsProgressive(jpeg, length) != progressive)
        qFatal("The test photo came out with the wrong chroma subsampling or scan mode");

    QByteArray bytes(reinterpret_cast<const char *>(jpeg), qsizetype(length));
    tjFree(jpeg);
    return bytes;
}

} // namespace

PhotoSet::PhotoSet()
{
    add(QStringLiteral("2MP"), QSize(1632, 1224), false);
    add(QStringLiteral("12MP"), QSize(4000, 3000), false);
    add(QStringLiteral("24MP"), QSize(6000, 4000), false);
    add(QStringLiteral("12MP-progressive"), QSize(4000, 3000), true);
}

const Photo &PhotoSet::find(const QString &name) const
{
    return *std::find_if(all.begin(), all.end(), [&name](const Photo &photo) { return photo.name == name; });
}

void PhotoSet::add(const QString &name, QSize size, bool progressive)
{
    const QString path = folder.filePath(name + QStringLiteral(".jpg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Compress(size, progressive)) < 0)
        qFatal("Cannot write %s", qPrintable(path));
    all.push_back({name, path, size, progressive});
}
