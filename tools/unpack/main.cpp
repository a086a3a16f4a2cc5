// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes a committed JPEG at build time into the bytes of a QImage::Format_RGB32 image, row after
// row, so the program shows the JPEG's very pixels at start-up without loading a JPEG decoder.
// The bytes are in the build machine's order: the program is always built where it runs.
// Usage: tilora_unpack_picture <picture.jpg> <picture.rgb32>

#include <QSaveFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tilora_unpack_picture <picture.jpg> <picture.rgb32>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "jpeg");
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "tilora_unpack_picture: cannot decode %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QSaveFile unpacked(QString::fromLocal8Bit(argv[2]));
    const auto bytes = reinterpret_cast<const char *>(picture.constBits());
    if (!unpacked.open(QIODevice::WriteOnly) || unpacked.write(bytes, picture.sizeInBytes()) != picture.sizeInBytes()
        || !unpacked.commit()) {
        std::fprintf(stderr, "tilora_unpack_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
