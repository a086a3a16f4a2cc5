// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes a committed picture at build time, so the program shows its very pixels at start-up
// without loading a decoder. The output is the image's width and height as two 32-bit integers,
// then its rows as QImage::Format_RGB32 (output named *.rgb32) or Format_ARGB32 (*.argb32), all
// in the build machine's byte order: the program is built on, or for, a machine of the same order.
// Usage: tilora_unpack_picture <picture.jpg|png> <picture.rgb32|argb32>

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QString output = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QString kind = QFileInfo(output).suffix();
    if (kind != QLatin1String("rgb32") && kind != QLatin1String("argb32")) {
        std::fprintf(stderr, "usage: tilora_unpack_picture <picture.jpg|png> <picture.rgb32|argb32>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage picture =
        reader.read().convertToFormat(kind == QLatin1String("rgb32") ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "tilora_unpack_picture: cannot decode %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    const std::int32_t size[2] = {picture.width(), picture.height()};
    QSaveFile unpacked(output);
    const bool written = unpacked.open(QIODevice::WriteOnly)
                      && unpacked.write(reinterpret_cast<const char *>(size), sizeof size) == sizeof size
                      && unpacked.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes())
                             == picture.sizeInBytes()
                      && unpacked.commit();
    if (!written) {
        std::fprintf(stderr, "tilora_unpack_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
