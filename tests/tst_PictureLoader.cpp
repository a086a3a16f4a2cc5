// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "support/PictureSamples.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

namespace {

const QColor Red(230, 30, 30), Green(30, 200, 40), Blue(30, 40, 220), Yellow(240, 220, 30);

// Red top left, green top right, blue bottom left, yellow bottom right, split at a fraction of each side.
QImage Quadrants(QSize size, qreal split = 0.5)
{
    QImage image(size, QImage::Format_RGB32);
    const int x = qRound(size.width() * split), y = qRound(size.height() * split);
    QPainter painter(&image);
    painter.fillRect(0, 0, x, y, Red);
    painter.fillRect(x, 0, size.width() - x, y, Green);
    painter.fillRect(0, y, x, size.height() - y, Blue);
    painter.fillRect(x, y, size.width() - x, size.height() - y, Yellow);
    return image;
}

QByteArray Encode(const QImage &image, const char *format = "jpeg", bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        qFatal("Cannot encode the fixture: %s", qPrintable(writer.errorString()));
    return buffer.data();
}

// A big-endian EXIF segment holding nothing but the orientation tag, spliced in after SOI.
QByteArray WithOrientation(QByteArray jpeg, int orientation)
{
    QByteArray exif("Exif\0\0MM\0\x2a\0\0\0\x08", 14);
    exif += QByteArray("\0\x01\x01\x12\0\x03\0\0\0\x01\0", 11) + char(orientation) + QByteArray(2, '\0');
    exif += QByteArray(4, '\0');
    const int length = exif.size() + 2;
    return jpeg.insert(2, QByteArray("\xFF\xE1") + char(length >> 8) + char(length & 0xFF) + exif);
}

// Points every component of the first scan at Huffman tables 3, which Qt never writes.
QByteArray WithUndefinedScanTables(QByteArray jpeg)
{
    const qsizetype scan = PictureSamples::FirstScan(jpeg).contentStart;
    for (int c = 0; c < uchar(jpeg[scan]); ++c)
        jpeg[scan + 2 + 2 * c] = char(0x33);
    return jpeg;
}

// Rewrites the frame header's dimensions, and optionally every component's sampling to 1 × 1.
QByteArray WithFrameSize(QByteArray jpeg, int width, int height, bool fullChroma = false)
{
    const qsizetype frame = PictureSamples::FirstSegment(jpeg, JpegSegments::IsStartOfFrame)->contentStart;
    jpeg[frame + 1] = char(height >> 8);
    jpeg[frame + 2] = char(height & 0xFF);
    jpeg[frame + 3] = char(width >> 8);
    jpeg[frame + 4] = char(width & 0xFF);
    for (int c = 0; fullChroma && c < uchar(jpeg[frame + 5]); ++c)
        jpeg[frame + 7 + 3 * c] = 0x11;
    return jpeg;
}

// An 8 × 8 four-component JPEG without an Adobe marker, which libjpeg reads as CMYK: every sample
// is 128. Qt's writer cannot write one.
QByteArray CmykJpeg()
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xDB\0\x43\0", 5) + QByteArray(64, '\x01');
    jpeg += QByteArray("\xFF\xC0\0\x14\x08\0\x08\0\x08\x04", 10);
    for (char id = 1; id <= 4; ++id)
        jpeg += QByteArray(1, id) + QByteArray("\x11\0", 2);
    // One code of one bit in each table: DC difference 0, and end of block.
    jpeg += QByteArray("\xFF\xC4\0\x14\x00\x01", 6) + QByteArray(15, '\0') + QByteArray(1, '\0');
    jpeg += QByteArray("\xFF\xC4\0\x14\x10\x01", 6) + QByteArray(15, '\0') + QByteArray(1, '\0');
    jpeg += QByteArray("\xFF\xDA\0\x0E\x04", 5);
    for (char id = 1; id <= 4; ++id)
        jpeg += QByteArray(1, id) + QByteArray(1, '\0');
    jpeg += QByteArray("\0\x3F\0", 3);
    jpeg += QByteArray("\0\xFF\xD9", 3);
    return jpeg;
}

QImage Plain(QColor colour)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Two plain JPEGs of the same length: bytes after the end-of-image marker are ignored.
std::pair<QByteArray, QByteArray> SameLength(QColor first, QColor second)
{
    const QByteArray a = Encode(Plain(first)), b = Encode(Plain(second));
    const qsizetype length = qMax(a.size(), b.size());
    return {a.leftJustified(length, '\0'), b.leftJustified(length, '\0')};
}

bool Near(QRgb actual, QColor expected, int tolerance = 40)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance && qAbs(qGreen(actual) - expected.green()) <= tolerance
        && qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

QRgb At(const QImage &image, qreal x, qreal y)
{
    return image.pixel(int(x * image.width()), int(y * image.height()));
}

QString Describe(QRgb colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

} // namespace

Q_DECLARE_METATYPE(PictureError)

class tst_PictureLoader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Any shape of picture is stretched, not cropped or letterboxed, to exactly the requested size.
    void stretchesToExactSize_data();
    void stretchesToExactSize();
    // A picture is shown upright as its EXIF orientation says, still exactly the requested size.
    void honoursExifOrientation_data();
    void honoursExifOrientation();
    // Progressive, grayscale and CMYK JPEGs and other formats Qt decodes simply load.
    void loadsEveryDecodableKind_data();
    void loadsEveryDecodableKind();
    // A file that cannot be loaded gives no image, a reason in words, and answers at once.
    void refusesBadFiles_data();
    void refusesBadFiles();
    // A file the player may not read is refused as unreadable.
    void refusesUnreadableFile();
    // A JPEG cut off mid-scan keeps what was decoded and shows grey for the rest.
    void keepsPartOfJpegCutMidScan();
    // A forged header within the bounds is still answered within a second.
    void answersForgedHeaderWithinBoundsQuickly();
    // A 24-megapixel progressive JPEG without chroma subsampling is not too large.
    void loadsProgressiveWithinCoefficientBound();
    // The same file, size and modification time are prepared once; any change decodes anew.
    void keepsLastPreparation();
    // A failed preparation is not kept and does not push out the kept one.
    void doesNotKeepFailures();

private:
    QString Write(const QString &name, const QByteArray &content);
    // Replaces the content but keeps the modification time, as a copy preserving times would.
    void OverwriteKeepingTime(const QString &path, const QByteArray &content);

    QTemporaryDir folder;
};

void tst_PictureLoader::initTestCase()
{
    QVERIFY(folder.isValid());
    // Qt reports every short JPEG on the console; those are the point here.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
}

void tst_PictureLoader::init()
{
    PictureLoader::ClearCache();
}

QString tst_PictureLoader::Write(const QString &name, const QByteArray &content)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

void tst_PictureLoader::OverwriteKeepingTime(const QString &path, const QByteArray &content)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    Write(QFileInfo(path).fileName(), content);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

void tst_PictureLoader::stretchesToExactSize_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("target");
    QTest::newRow("4:3") << QSize(1024, 768) << PlaySize();
    QTest::newRow("16:9") << QSize(1280, 720) << PlaySize();
    QTest::newRow("portrait") << QSize(480, 720) << PlaySize();
    QTest::newRow("smaller than the board") << QSize(160, 100) << PlaySize();
    QTest::newRow("odd size") << QSize(333, 997) << PlaySize();
    QTest::newRow("device pixel ratio 2") << QSize(2000, 1500) << QSize(640, 480);
}

void tst_PictureLoader::stretchesToExactSize()
{
    QFETCH(QSize, source);
    QFETCH(QSize, target);
    // An off-centre split moves under a crop and a letterbox, and stays put only under a stretch.
    const QString path = Write(QStringLiteral("quadrants.jpg"), Encode(Quadrants(source, 0.25)));

    const PreparedPicture prepared = PictureLoader::Prepare(path, target);

    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QVERIFY(prepared.error.isEmpty());
    QCOMPARE(prepared.image.size(), target);
    QCOMPARE(prepared.image.format(), QImage::Format_RGB32);
    const struct {
        qreal x, y;
        QColor colour;
    } probes[] = {{0.02, 0.02, Red}, {0.2, 0.2, Red}, {0.3, 0.2, Green}, {0.98, 0.02, Green},
                  {0.2, 0.3, Blue}, {0.02, 0.98, Blue}, {0.3, 0.3, Yellow}, {0.98, 0.98, Yellow}};
    for (const auto &probe : probes) {
        const QRgb actual = At(prepared.image, probe.x, probe.y);
        QVERIFY2(Near(actual, probe.colour), qPrintable(QStringLiteral("at (%1, %2): %3").arg(probe.x).arg(probe.y).arg(Describe(actual))));
    }
}

void tst_PictureLoader::honoursExifOrientation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QList<QColor>>("shown");
    const QList<QColor> upright{Red, Green, Blue, Yellow};
    QTest::newRow("1 upright") << 1 << PlaySize() << upright;
    QTest::newRow("2 mirrored") << 2 << PlaySize() << QList<QColor>{Green, Red, Yellow, Blue};
    QTest::newRow("3 turned half") << 3 << PlaySize() << QList<QColor>{Yellow, Blue, Green, Red};
    QTest::newRow("6 turned clockwise") << 6 << PlaySize() << QList<QColor>{Blue, Red, Yellow, Green};
    QTest::newRow("8 turned anticlockwise") << 8 << PlaySize() << QList<QColor>{Green, Yellow, Red, Blue};
    QTest::newRow("6 into a portrait size") << 6 << QSize(240, 320) << QList<QColor>{Blue, Red, Yellow, Green};
    QTest::newRow("8 at device pixel ratio 2") << 8 << QSize(640, 480) << QList<QColor>{Green, Yellow, Red, Blue};
}

void tst_PictureLoader::honoursExifOrientation()
{
    QFETCH(int, orientation);
    QFETCH(QSize, target);
    QFETCH(QList<QColor>, shown);
    const QByteArray stored = Encode(Quadrants(QSize(800, 600)));
    const QString path = Write(QStringLiteral("turned.jpg"), WithOrientation(stored, orientation));

    const PreparedPicture prepared = PictureLoader::Prepare(path, target);

    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.image.size(), target);
    const QRgb corners[] = {At(prepared.image, 0.25, 0.25), At(prepared.image, 0.75, 0.25),
                            At(prepared.image, 0.25, 0.75), At(prepared.image, 0.75, 0.75)};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(Near(corners[i], shown[i]), qPrintable(QStringLiteral("quadrant %1: %2").arg(i).arg(Describe(corners[i]))));
}

void tst_PictureLoader::loadsEveryDecodableKind_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QImage::Format>("format");
    const QImage picture = Quadrants(QSize(640, 480));
    QImage grey(640, 480, QImage::Format_Grayscale8);
    grey.fill(QColor(90, 90, 90));
    QImage transparent(64, 48, QImage::Format_ARGB32);
    transparent.fill(QColor(0, 0, 255, 128));
    QTest::newRow("progressive JPEG") << Encode(picture, "jpeg", true) << Red << QImage::Format_RGB32;
    QTest::newRow("grayscale JPEG") << Encode(grey) << QColor(90, 90, 90) << QImage::Format_RGB32;
    // Qt reads CMYK as inverted, as Adobe writes it: 128 × 128 / 255 on each channel.
    QTest::newRow("CMYK JPEG") << CmykJpeg() << QColor(64, 64, 64) << QImage::Format_RGB32;
    QTest::newRow("PNG named .jpg") << Encode(picture, "png") << Red << QImage::Format_RGB32;
    QTest::newRow("BMP named .jpg") << Encode(picture, "bmp") << Red << QImage::Format_RGB32;
    QTest::newRow("PNG with transparency") << Encode(transparent, "png") << QColor(0, 0, 128)
                                           << QImage::Format_ARGB32_Premultiplied;
}

void tst_PictureLoader::loadsEveryDecodableKind()
{
    QFETCH(QByteArray, content);
    QFETCH(QColor, topLeft);
    QFETCH(QImage::Format, format);
    const QString path = Write(QStringLiteral("kind.jpg"), content);

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.image.size(), PlaySize());
    QCOMPARE(prepared.image.format(), format);
    const QRgb actual = At(prepared.image, 0.1, 0.1);
    QVERIFY2(Near(actual, topLeft, 8), qPrintable(Describe(actual)));
}

void tst_PictureLoader::refusesBadFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<PictureError>("kind");
    const QByteArray jpeg = Encode(Quadrants(QSize(640, 480)));
    const QByteArray progressive = Encode(Quadrants(QSize(640, 480)), "jpeg", true);

    QTest::newRow("missing") << folder.filePath(QStringLiteral("missing.jpg")) << PictureError::Missing;
    QDir(folder.path()).mkdir(QStringLiteral("folder.jpg"));
    QTest::newRow("folder") << folder.filePath(QStringLiteral("folder.jpg")) << PictureError::NotAPicture;
    QTest::newRow("empty") << Write(QStringLiteral("empty.jpg"), {}) << PictureError::Damaged;
    QTest::newRow("text") << Write(QStringLiteral("text.jpg"), QByteArray("Milk, eggs, flour.\n").repeated(200))
                          << PictureError::NotAPicture;
    QTest::newRow("JPEG signature then junk")
        << Write(QStringLiteral("junk.jpg"), QByteArray("\xFF\xD8", 2) + QByteArray(5000, 'x')) << PictureError::Damaged;
    QTest::newRow("cut inside the header") << Write(QStringLiteral("cut-header.jpg"), jpeg.left(200)) << PictureError::Damaged;
    QTest::newRow("cut before the scan") << Write(QStringLiteral("cut-before-scan.jpg"), jpeg.left(PictureSamples::FirstScan(jpeg).at))
                                         << PictureError::Damaged;
    QTest::newRow("cut after the header") << Write(QStringLiteral("cut-after-header.jpg"), jpeg.left(PictureSamples::FirstScan(jpeg).end))
                                          << PictureError::Damaged;
    QTest::newRow("scan using undefined tables")
        << Write(QStringLiteral("bad-tables.jpg"), WithUndefinedScanTables(jpeg)) << PictureError::Damaged;
    QTest::newRow("65500 x 65500") << Write(QStringLiteral("huge.jpg"), WithFrameSize(jpeg, 65500, 65500))
                                   << PictureError::TooLarge;
    QTest::newRow("65500 x 65500 progressive")
        << Write(QStringLiteral("huge-progressive.jpg"), WithFrameSize(progressive, 65500, 65500)) << PictureError::TooLarge;
    // Within the pixel bound, but its coefficients alone would take some 300 MB.
    QTest::newRow("100 megapixels progressive")
        << Write(QStringLiteral("big-progressive.jpg"), WithFrameSize(progressive, 11600, 8700)) << PictureError::TooLarge;
    QImage blank(12000, 6000, QImage::Format_Mono);
    blank.fill(0);
    QTest::newRow("PNG beyond Qt's allocation limit") << Write(QStringLiteral("huge.png"), Encode(blank, "png"))
                                                      << PictureError::TooLarge;
}

void tst_PictureLoader::refusesBadFiles()
{
    QFETCH(QString, path);
    QFETCH(PictureError, kind);
    QElapsedTimer timer;
    timer.start();

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!prepared.ok());
    QVERIFY(prepared.image.isNull());
    QVERIFY(!prepared.error.isEmpty());
    QCOMPARE(prepared.kind, kind);
}

void tst_PictureLoader::refusesUnreadableFile()
{
    const QString path = Write(QStringLiteral("locked.jpg"), Encode(Quadrants(QSize(64, 48))));
    const bool locked = QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (!locked || probe.open(QIODevice::ReadOnly))
        QSKIP("This user reads files whatever their permissions (root; on Windows they only make a file read-only).");

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY(prepared.image.isNull());
    QCOMPARE(prepared.kind, PictureError::Unreadable);
    QCOMPARE(prepared.error, QStringLiteral("The file could not be read."));
}

void tst_PictureLoader::keepsPartOfJpegCutMidScan()
{
    const QByteArray jpeg = Encode(Quadrants(QSize(640, 480)));
    const qsizetype scanStart = PictureSamples::FirstScan(jpeg).end;
    const QString path = Write(QStringLiteral("cut-mid-scan.jpg"), jpeg.left(scanStart + (jpeg.size() - scanStart) / 3));

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.image.size(), PlaySize());
    QVERIFY(Near(At(prepared.image, 0.1, 0.1), Red));
    QVERIFY(Near(At(prepared.image, 0.9, 0.9), QColor(128, 128, 128), 8));
}

void tst_PictureLoader::answersForgedHeaderWithinBoundsQuickly()
{
    const QByteArray jpeg = WithFrameSize(Encode(Quadrants(QSize(640, 480))), 14000, 14000);
    const QString path = Write(QStringLiteral("forged.jpg"), jpeg);
    QElapsedTimer timer;
    timer.start();

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY(timer.elapsed() < 1000);
    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.image.size(), PlaySize());
}

void tst_PictureLoader::loadsProgressiveWithinCoefficientBound()
{
    const QByteArray jpeg = WithFrameSize(Encode(Quadrants(QSize(640, 480)), "jpeg", true), 6000, 4000, true);
    const QString path = Write(QStringLiteral("progressive-444.jpg"), jpeg);

    const PreparedPicture prepared = PictureLoader::Prepare(path, PlaySize());

    QVERIFY2(prepared.ok(), qPrintable(prepared.error));
    QCOMPARE(prepared.image.size(), PlaySize());
}

void tst_PictureLoader::keepsLastPreparation()
{
    const auto [red, blue] = SameLength(Red, Blue);
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const QString path = Write(QStringLiteral("kept.jpg"), red);
    QVERIFY(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Red));

    OverwriteKeepingTime(path, blue);
    QVERIFY2(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Red), "same file, decoded again");
    const QString samePath = folder.filePath(QStringLiteral("sub/../kept.jpg"));
    QVERIFY2(Near(At(PictureLoader::Prepare(samePath, PlaySize()).image, 0.5, 0.5), Red), "same file by another path");
    const QImage otherSize = PictureLoader::Prepare(path, QSize(640, 480)).image;
    QCOMPARE(otherSize.size(), QSize(640, 480));
    QVERIFY2(Near(At(otherSize, 0.5, 0.5), Blue), "another size needs its own decode");

    QVERIFY(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Blue));
    OverwriteKeepingTime(path, red);
    QVERIFY2(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Blue), "same file, decoded again");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QFileInfo(path).lastModified().addSecs(2), QFileDevice::FileModificationTime));
    file.close();
    QVERIFY2(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Red), "a touched file is decoded anew");

    OverwriteKeepingTime(path, blue + QByteArray(10, '\0'));
    QVERIFY2(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Blue), "a file of another size is decoded anew");

    OverwriteKeepingTime(path, red + QByteArray(10, '\0'));
    PictureLoader::ClearCache();
    QVERIFY2(Near(At(PictureLoader::Prepare(path, PlaySize()).image, 0.5, 0.5), Red), "ClearCache did not forget");
}

void tst_PictureLoader::doesNotKeepFailures()
{
    const auto [red, blue] = SameLength(Red, Blue);
    const QString kept = Write(QStringLiteral("kept.jpg"), red);
    const QString failing = Write(QStringLiteral("failing.jpg"), QByteArray(red.size(), 'x'));
    QVERIFY(PictureLoader::Prepare(kept, PlaySize()).ok());
    OverwriteKeepingTime(kept, blue);

    QVERIFY(!PictureLoader::Prepare(folder.filePath(QStringLiteral("missing.jpg")), PlaySize()).ok());
    QVERIFY(!PictureLoader::Prepare(failing, PlaySize()).ok());
    QVERIFY2(Near(At(PictureLoader::Prepare(kept, PlaySize()).image, 0.5, 0.5), Red), "a failure pushed out the kept picture");

    OverwriteKeepingTime(failing, red);
    QVERIFY2(PictureLoader::Prepare(failing, PlaySize()).ok(), "the failure was kept");
}

QTEST_GUILESS_MAIN(tst_PictureLoader)
#include "tst_PictureLoader.moc"
