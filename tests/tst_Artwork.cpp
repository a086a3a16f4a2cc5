// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Artwork.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

// Compiled-in artwork and the sample pictures shipped in images/.
class tst_Artwork : public QObject
{
    Q_OBJECT

private slots:
    void resourcesLoadAtTheirSizes_data();
    void resourcesLoadAtTheirSizes();
    void buttonIconsHaveTransparentCorners_data();
    void buttonIconsHaveTransparentCorners();
    void commandIconsKeepToSixteenColours_data();
    void commandIconsKeepToSixteenColours();
    void dragPointerSizesShareOnePalette();
    void dragPointerFollowsTheDesktopsSize_data();
    void dragPointerFollowsTheDesktopsSize();
    void tickAndCrossUseOpaqueGreyWithoutHalo_data();
    void tickAndCrossUseOpaqueGreyWithoutHalo();
    void themeIconsAreDrawnAtEverySize_data();
    void themeIconsAreDrawnAtEverySize();
    void screenPictureFollowsThePixelRatio();
    void builtInPictureShowsTheCommittedJpeg_data();
    void builtInPictureShowsTheCommittedJpeg();
    void unpackedFacesMatchTheirPngs();
    void buttonFacesDoublePixelForPixel();
    void sampleFolderIsVaried();
    void samplePiecesAreDistinguishable_data();
    void samplePiecesAreDistinguishable();

private:
    static QFileInfoList samplePictures();
};

namespace {

constexpr QRgb transparentGrey = 0xFFC0C0C0;

// A piece reduced to 8 × 8 block means: the JPEG noise averages out, while
// anything the eye uses to place a piece (shapes, shading, colour) remains.
QList<double> pieceSignature(const QImage &picture, int piece)
{
    const int left = (piece % 8) * 40;
    const int top = (piece / 8) * 40;
    QList<double> signature;
    for (int by = 0; by < 8; ++by) {
        for (int bx = 0; bx < 8; ++bx) {
            double sums[3] = {0, 0, 0};
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 5; ++x) {
                    const QRgb pixel = picture.pixel(left + bx * 5 + x, top + by * 5 + y);
                    sums[0] += qRed(pixel);
                    sums[1] += qGreen(pixel);
                    sums[2] += qBlue(pixel);
                }
            }
            for (double sum : sums)
                signature.append(sum / 25);
        }
    }
    return signature;
}

double meanDifference(const QList<double> &a, const QList<double> &b)
{
    double total = 0;
    for (int i = 0; i < a.size(); ++i)
        total += std::abs(a[i] - b[i]);
    return total / a.size();
}

// The colours of an icon's shown pixels, failing the test on any pixel that is only partly shown.
QSet<QRgb> ShownColours(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && qAlpha(pixel) != 255) {
                QTest::qFail(qPrintable(QStringLiteral("%1 is partly shown at %2,%3").arg(path).arg(x).arg(y)), __FILE__, __LINE__);
                return {};
            }
            if (qAlpha(pixel) == 255)
                colours.insert(pixel);
        }
    }
    return colours;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}

QFileInfoList tst_Artwork::samplePictures()
{
    return QDir(QStringLiteral(SOURCE_IMAGES)).entryInfoList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

void tst_Artwork::resourcesLoadAtTheirSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("window icon") << ":/art/tilora.png" << QSize(32, 32);
    QTest::newRow("about icon") << ":/art/about.png" << QSize(32, 32);
    QTest::newRow("exit icon") << ":/art/exit.png" << QSize(32, 32);
    QTest::newRow("exit icon without letters") << ":/art/leave.png" << QSize(32, 32);
    QTest::newRow("drag pointer") << ":/art/drag32.png" << QSize(32, 32);
    QTest::newRow("small drag pointer") << ":/art/drag16.png" << QSize(16, 16);
    QTest::newRow("tick") << ":/art/tick.png" << QSize(32, 32);
    QTest::newRow("cross") << ":/art/cross.png" << QSize(32, 32);
    QTest::newRow("about picture") << ":/art/about.jpg" << QSize(350, 80);
    QTest::newRow("about picture at 2x") << ":/art/about@2x.jpg" << QSize(700, 160);
}

// Every picture the windows load from the resources exists at the size their layout expects.
void tst_Artwork::resourcesLoadAtTheirSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

// Dense screens get the 2x drawing, laid out at the same logical size; others the 1x one.
void tst_Artwork::screenPictureFollowsThePixelRatio()
{
    const QImage plain = Artwork::ScreenPicture(QStringLiteral(":/art/about.jpg"), 1);
    QCOMPARE(plain.size(), QSize(350, 80));
    QCOMPARE(plain.devicePixelRatio(), 1.0);
    for (const qreal ratio : {1.5, 2.0}) {
        const QImage dense = Artwork::ScreenPicture(QStringLiteral(":/art/about.jpg"), ratio);
        QCOMPARE(dense.size(), QSize(700, 160));
        QCOMPARE(dense.deviceIndependentSize(), QSizeF(350, 80));
    }
}

void tst_Artwork::builtInPictureShowsTheCommittedJpeg_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("jpeg");
    QTest::newRow("1x") << 1.0 << "builtin.jpg";
    QTest::newRow("2x") << 2.0 << "builtin@2x.jpg";
}

// The built-in picture compiled in unpacked is the committed JPEG to the last pixel, at the play size.
void tst_Artwork::builtInPictureShowsTheCommittedJpeg()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, jpeg);
    const QImage shown = Artwork::ScreenPicture(QStringLiteral(":/art/builtin.rgb32"), ratio);
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(320, 240));
    const QImage committed(QDir(QStringLiteral(SOURCE_ART)).filePath(jpeg));
    QVERIFY(!committed.isNull());
    QCOMPARE(shown.size(), committed.size());
    QVERIFY(shown == committed.convertToFormat(QImage::Format_RGB32));
}

// The faces compiled in unpacked look exactly like their committed PNGs; a missing one is no picture.
void tst_Artwork::unpackedFacesMatchTheirPngs()
{
    const auto drawn = [](const QIcon &icon) {
        return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    for (const char *name : {"about", "exit", "leave"}) {
        const QImage unpacked = drawn(Artwork::ButtonFace(QStringLiteral(":/art/%1.argb32").arg(name)));
        QCOMPARE(unpacked.size(), QSize(32, 32));
        QVERIFY2(unpacked == drawn(Artwork::ButtonFace(QStringLiteral(":/art/%1.png").arg(name))), name);
    }
    QVERIFY(drawn(Artwork::WindowIcon()) == QImage(QStringLiteral(":/art/tilora.png")).convertToFormat(QImage::Format_ARGB32));
    QVERIFY(Artwork::ScreenPicture(QStringLiteral(":/art/missing.rgb32"), 1).isNull());
}

// On a 2x screen a button face shows each of its pixels as a sharp 2 x 2 block, corners still clear.
void tst_Artwork::buttonFacesDoublePixelForPixel()
{
    const QIcon face = Artwork::ButtonFace(QStringLiteral(":/art/exit.png"));
    const QImage plain = face.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage dense = face.pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(plain.size(), QSize(32, 32));
    QCOMPARE(dense.size(), QSize(64, 64));
    QCOMPARE(qAlpha(dense.pixel(0, 0)), 0);
    for (int y = 0; y < dense.height(); ++y) {
        for (int x = 0; x < dense.width(); ++x)
            QCOMPARE(dense.pixel(x, y), plain.pixel(x / 2, y / 2));
    }
}

void tst_Artwork::buttonIconsHaveTransparentCorners_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("about icon") << ":/art/about.png";
    QTest::newRow("exit icon") << ":/art/exit.png";
    QTest::newRow("exit icon without letters") << ":/art/leave.png";
    QTest::newRow("drag pointer") << ":/art/drag32.png";
    QTest::newRow("small drag pointer") << ":/art/drag16.png";
}

// Icons drawn over buttons and the board let the background show around their motif.
void tst_Artwork::buttonIconsHaveTransparentCorners()
{
    QFETCH(QString, path);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, 0)), 0);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128;
    }
    QVERIFY2(opaque * 5 > image.width() * image.height(), "the motif is too small to be seen");
}

void tst_Artwork::commandIconsKeepToSixteenColours_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("new game and window icon") << ":/art/tilora.png";
    QTest::newRow("about icon") << ":/art/about.png";
    QTest::newRow("exit icon") << ":/art/exit.png";
    QTest::newRow("exit icon without letters") << ":/art/leave.png";
    QTest::newRow("drag pointer") << ":/art/drag32.png";
    QTest::newRow("small drag pointer") << ":/art/drag16.png";
}

// The command buttons' faces and the drag pointer are 16-colour icons: few colours, and every
// pixel either shown or not.
void tst_Artwork::commandIconsKeepToSixteenColours()
{
    QFETCH(QString, path);
    const QSet<QRgb> colours = ShownColours(path);
    QVERIFY2(colours.size() >= 3 && colours.size() <= 16, qPrintable(QString::number(colours.size())));
}

// The drag pointer is one icon at two sizes: both drawings take their colours from one 16-colour palette.
void tst_Artwork::dragPointerSizesShareOnePalette()
{
    const QSet<QRgb> palette = ShownColours(QStringLiteral(":/art/drag32.png")) | ShownColours(QStringLiteral(":/art/drag16.png"));
    QVERIFY2(palette.size() <= 16, qPrintable(QString::number(palette.size())));
}

void tst_Artwork::dragPointerFollowsTheDesktopsSize_data()
{
    QTest::addColumn<QByteArray>("xcursorSize");
    QTest::addColumn<int>("size");
    QTest::newRow("unset") << QByteArray() << 32;
    QTest::newRow("small") << QByteArray("16") << 16;
    QTest::newRow("nearer 16 than 32") << QByteArray("23") << 16;
    QTest::newRow("the common default") << QByteArray("24") << 32;
    QTest::newRow("large") << QByteArray("48") << 32;
    QTest::newRow("with spaces") << QByteArray(" 18 ") << 16;
    QTest::newRow("zero") << QByteArray("0") << 32;
    QTest::newRow("negative") << QByteArray("-16") << 32;
    QTest::newRow("not a number") << QByteArray("small") << 32;
}

// The small pointer is used where the desktop asks for pointers nearer 16 pixels than 32.
void tst_Artwork::dragPointerFollowsTheDesktopsSize()
{
    QFETCH(QByteArray, xcursorSize);
    QFETCH(int, size);
    QCOMPARE(Artwork::DragPointerSize(xcursorSize), size);
}

void tst_Artwork::tickAndCrossUseOpaqueGreyWithoutHalo_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("tick") << ":/art/tick.png";
    QTest::newRow("cross") << ":/art/cross.png";
}

// The light grey is keyed out at run time, so it must be exact, opaque, and not bleed into the motif's edge.
void tst_Artwork::tickAndCrossUseOpaqueGreyWithoutHalo()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY(!image.hasAlphaChannel());
    const int last = image.width() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(image.pixel(corner), transparentGrey);

    int motif = 0;
    for (int y = 1; y < last; ++y) {
        for (int x = 1; x < last; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == transparentGrey)
                continue;
            ++motif;
            const bool edge = image.pixel(x - 1, y) == transparentGrey || image.pixel(x + 1, y) == transparentGrey
                           || image.pixel(x, y - 1) == transparentGrey || image.pixel(x, y + 1) == transparentGrey;
            if (edge)
                QVERIFY2(colourDistance(pixel, transparentGrey) > 150, qPrintable(QStringLiteral("grey fringe at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY2(motif > 150, "the motif covers too little of the face to be seen");
}

void tst_Artwork::themeIconsAreDrawnAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

// The desktop icon exists at each theme size, with a transparent background.
void tst_Artwork::themeIconsAreDrawnAtEverySize()
{
    QFETCH(int, size);
    const QImage image(QStringLiteral(SOURCE_ICONS "/%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0);
}

// The shipped folder offers enough pictures, of the shapes players bring, within a modest download.
void tst_Artwork::sampleFolderIsVaried()
{
    const QFileInfoList pictures = samplePictures();
    QVERIFY2(pictures.size() >= 8, qPrintable(QString::number(pictures.size())));
    bool portrait = false;
    bool wide = false;
    qint64 total = 0;
    for (const QFileInfo &file : pictures) {
        QCOMPARE(file.fileName(), file.fileName().toLower());
        const QSize size = QImage(file.filePath()).size();
        portrait = portrait || size.height() > size.width();
        wide = wide || size.width() * 9 == size.height() * 16;
        total += file.size();
    }
    QVERIFY(portrait);
    QVERIFY(wide);
    QVERIFY2(total <= 5 * 1024 * 1024, qPrintable(QString::number(total)));
}

void tst_Artwork::samplePiecesAreDistinguishable_data()
{
    QTest::addColumn<QString>("path");
    for (const QFileInfo &file : samplePictures())
        QTest::newRow(qPrintable(file.fileName())) << file.filePath();
}

// Each sample can be solved by eye: stretched for play, no two of its 48 pieces look alike.
void tst_Artwork::samplePiecesAreDistinguishable()
{
    QFETCH(QString, path);
    const QImage original(path);
    QVERIFY(!original.isNull());
    const QImage picture = original.scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QList<QList<double>> signatures;
    for (int piece = 0; piece < 48; ++piece)
        signatures.append(pieceSignature(picture, piece));
    double closest = 1e9;
    QString pair;
    for (int a = 0; a < 48; ++a) {
        for (int b = a + 1; b < 48; ++b) {
            const double difference = meanDifference(signatures[a], signatures[b]);
            if (difference < closest) {
                closest = difference;
                pair = QStringLiteral("pieces %1 and %2 differ by %3").arg(a).arg(b).arg(difference);
            }
        }
    }
    // JPEG noise moves a 5 × 5 block mean by about one level; four levels on
    // average over the whole piece is a difference the eye can see.
    QVERIFY2(closest > 4.0, qPrintable(pair));
}

QTEST_MAIN(tst_Artwork)
#include "tst_Artwork.moc"
