// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/JpegSegments.h"

#include <QIODevice>

namespace {

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

} // namespace

namespace JpegSegments {

bool IsStartOfFrame(int marker)
{
    constexpr int DefineHuffmanTable = 0xC4, Reserved = 0xC8, DefineArithmeticCoding = 0xCC;
    return marker >= 0xC0 && marker <= 0xCF && marker != DefineHuffmanTable && marker != Reserved
        && marker != DefineArithmeticCoding;
}

void Walk(QIODevice &device, const std::function<bool(const Segment &)> &visit)
{
    const qint64 start = device.pos();
    device.seek(2);
    qint64 at = 2;
    for (int marker = NextMarker(device); marker != -1; at = device.pos(), marker = NextMarker(device)) {
        Segment segment{marker, at, device.pos(), device.pos()};
        uchar length[2];
        if (marker != EndOfImage && device.read(reinterpret_cast<char *>(length), 2) != 2)
            segment.end = -1;
        else if (marker != EndOfImage) {
            segment.contentStart = device.pos();
            segment.end = segment.contentStart + (length[0] << 8 | length[1]) - 2;
        }
        if (!visit(segment) || marker == EndOfImage || segment.end < 0)
            break;
        device.seek(segment.end);
    }
    device.seek(start);
}

} // namespace JpegSegments
