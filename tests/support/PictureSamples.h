// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "library/JpegSegments.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Picture files good, bad and awkward, made by code: the bad-picture tests' folder and the fuzzer's seeds.
namespace PictureSamples {

// A picture whose 48 pieces all differ.
QImage Tiles(QSize size = QSize(320, 240));
QColor PieceColour(int piece);

QByteArray Jpeg(const QImage &image, int quality = 90);
QByteArray ProgressiveJpeg(const QImage &image);
QByteArray GrayscaleJpeg(const QImage &image);
QByteArray CmykJpeg(const QImage &image);
QByteArray Png(const QImage &image);
// A 1 × 1 red GIF; Qt writes no GIF, so it is spelled out.
QByteArray Gif();

// The first segment whose marker is wanted, if the walk reaches one. The loader needs no such
// search: it walks its file once, reading what it needs on the way.
std::optional<JpegSegments::Segment> FirstSegment(const QByteArray &jpeg, const std::function<bool(int marker)> &wanted);
// The first scan header, which the JPEG must have; its end is where the picture data begins.
JpegSegments::Segment FirstScan(const QByteArray &jpeg);
// The JPEG with its frame header claiming another size.
QByteArray WithClaimedSize(QByteArray jpeg, QSize size);
// The JPEG up to the end of its first scan header: no picture data at all.
QByteArray CutAfterHeader(const QByteArray &jpeg);
// The first half of the JPEG: its picture ends part-way down.
QByteArray CutMidScan(const QByteArray &jpeg);
// The JPEG with bytes in the middle of its scan overwritten.
QByteArray WithCorruptScan(QByteArray jpeg);
QByteArray RandomBytes(int count);

struct Sample {
    QString name;
    QByteArray content;
    // The colour the top-left piece shows once prepared; invalid for a file that must be refused.
    QColor shows;

    bool plays() const { return shows.isValid(); }
};

// One file of each kind above, named after what it is.
QList<Sample> All();

} // namespace PictureSamples
