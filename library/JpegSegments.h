// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <functional>

class QIODevice;

namespace JpegSegments {

constexpr int StartOfScan = 0xDA;
constexpr int EndOfImage = 0xD9;

// A frame header: SOF0 to SOF15 without the three codes that share its range.
bool IsStartOfFrame(int marker);

// One marker segment: its code, the offset of its 0xFF, and where its content starts and ends.
// The end is -1 when the data stops inside the segment's length field; the end of image has no content.
struct Segment {
    int marker = 0;
    qint64 at = 0;
    qint64 contentStart = 0;
    qint64 end = 0;
};

// Calls visit on each marker segment after the start of image, in file order, until it returns
// false. The walk also stops after the end of image, after a cut length field, and where the next
// byte is no marker. Fill bytes before a marker are skipped; the device's position is restored.
void Walk(QIODevice &device, const std::function<bool(const Segment &)> &visit);

} // namespace JpegSegments
