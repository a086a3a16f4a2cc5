// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bundles the committed icon sizes into one Windows icon file, each size as the PNG it is, which every
// Windows since Vista reads; Explorer, the taskbar and the Start menu each pick the size they show.
// Usage: tilora_windows_icon <icon.ico> <size.png>...

#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Entry {
    int size;
    QByteArray png;
};

void Append16(QByteArray &out, std::uint16_t value)
{
    const std::uint16_t little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

void Append32(QByteArray &out, std::uint32_t value)
{
    const std::uint32_t little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// The header, one directory entry per image, then the images; a size of 256 is written as 0.
QByteArray IconFile(const std::vector<Entry> &entries)
{
    QByteArray out;
    Append16(out, 0);
    Append16(out, 1);
    Append16(out, std::uint16_t(entries.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
    for (const Entry &entry : entries) {
        out.append(char(entry.size % 256)).append(char(entry.size % 256)).append(char(0)).append(char(0));
        Append16(out, 1);
        Append16(out, 32);
        Append32(out, std::uint32_t(entry.png.size()));
        Append32(out, offset);
        offset += std::uint32_t(entry.png.size());
    }
    for (const Entry &entry : entries)
        out.append(entry.png);
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tilora_windows_icon <icon.ico> <size.png>...\n");
        return 2;
    }
    std::vector<Entry> entries;
    for (int i = 2; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        const QByteArray png = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const QImage image = QImage::fromData(png, "PNG");
        if (image.isNull() || image.width() != image.height() || image.width() > 256) {
            std::fprintf(stderr, "tilora_windows_icon: %s is no square PNG of 256 pixels or less\n", argv[i]);
            return 1;
        }
        entries.push_back({image.width(), png});
    }
    QSaveFile icon(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = IconFile(entries);
    if (!icon.open(QIODevice::WriteOnly) || icon.write(bytes) != bytes.size() || !icon.commit()) {
        std::fprintf(stderr, "tilora_windows_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
