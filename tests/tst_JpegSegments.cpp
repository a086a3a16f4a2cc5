// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/JpegSegments.h"
#include "support/PictureSamples.h"

#include <QBuffer>
#include <QTest>
#include <vector>

namespace {

// Start of image, a comment segment after two fill bytes, a frame header, then the given tail.
QByteArray Header(const QByteArray &tail)
{
    return QByteArray("\xFF\xD8" "\xFF\xFF\xFF\xFE\x00\x04hi" "\xFF\xC2\x00\x03\x08", 15) + tail;
}

std::vector<JpegSegments::Segment> Walked(const QByteArray &jpeg, int stopAfter = -1)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(5);
    std::vector<JpegSegments::Segment> seen;
    JpegSegments::Walk(buffer, [&](const JpegSegments::Segment &segment) {
        seen.push_back(segment);
        return segment.marker != stopAfter;
    });
    if (buffer.pos() != 5)
        seen.clear();
    return seen;
}

} // namespace

class tst_JpegSegments : public QObject {
    Q_OBJECT

private slots:
    // Each segment is found where it lies, fill bytes skipped, its content bounded by its length.
    void walksSegmentsInFileOrder();
    // The walk ends at the end of image, at a cut length field, at bytes that are no marker, or when told.
    void walkStopsWhereTheHeaderEnds();
    // The samples' search answers the first wanted segment, or nothing when the walk never meets one.
    void findsTheFirstWantedSegment();
};

void tst_JpegSegments::walksSegmentsInFileOrder()
{
    const auto seen = Walked(Header(QByteArray("\xFF\xDA\x00\x02", 4)), JpegSegments::StartOfScan);
    QCOMPARE(seen.size(), std::size_t(3));
    QCOMPARE(seen[0].marker, 0xFE);
    QCOMPARE(seen[0].at, 2);
    QCOMPARE(seen[0].contentStart, 8);
    QCOMPARE(seen[0].end, 10);
    QCOMPARE(seen[1].marker, 0xC2);
    QVERIFY(JpegSegments::IsStartOfFrame(seen[1].marker));
    QCOMPARE(seen[1].end, 15);
    QCOMPARE(seen[2].marker, JpegSegments::StartOfScan);
    QCOMPARE(seen[2].end, 19);
}

void tst_JpegSegments::walkStopsWhereTheHeaderEnds()
{
    const auto ended = Walked(Header(QByteArray("\xFF\xD9\xFF\xFE\x00\x02", 6)));
    QCOMPARE(ended.size(), std::size_t(3));
    QCOMPARE(ended.back().marker, JpegSegments::EndOfImage);

    const auto cut = Walked(Header(QByteArray("\xFF\xDA\x00", 3)));
    QCOMPARE(cut.size(), std::size_t(3));
    QCOMPARE(cut.back().end, -1);

    QCOMPARE(Walked(Header("junk\xFF\xDA\x00\x02")).size(), std::size_t(2));
    QCOMPARE(Walked(Header({}), 0xFE).size(), std::size_t(1));
}

void tst_JpegSegments::findsTheFirstWantedSegment()
{
    const QByteArray jpeg = Header(QByteArray("\xFF\xC0\x00\x02", 4));
    QCOMPARE(PictureSamples::FirstSegment(jpeg, JpegSegments::IsStartOfFrame)->marker, 0xC2);
    QVERIFY(!PictureSamples::FirstSegment(jpeg, [](int marker) { return marker == JpegSegments::StartOfScan; }));
    QVERIFY(!JpegSegments::IsStartOfFrame(0xC4));
    QVERIFY(!JpegSegments::IsStartOfFrame(0xCC));
}

QTEST_APPLESS_MAIN(tst_JpegSegments)
#include "tst_JpegSegments.moc"
