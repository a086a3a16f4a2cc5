// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "support/PictureSamples.h"
#include "support/UnlistedFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString GoodPicture = QStringLiteral("good.jpg");
constexpr int AnswerTime = 1000;

// Everything a refused picture must leave as it was, as the window shows it.
struct GameState {
    bool timerActive, picplayVisible, cellsVisible, resultVisible;
    int barMin, barMax, barValue;
    QImage picture;
    QList<QImage> cells;

    bool operator==(const GameState &) const = default;
};

GameState StateOf(const MainWindowDriver &main)
{
    GameState state{main.Timer1()->isActive(), !main.picplay()->isHidden(), !main.PicArr(0)->isHidden(),
                    !main.lblGameResult()->isHidden(), main.ProgressBar1()->minimum(), main.ProgressBar1()->maximum(),
                    main.ProgressBar1()->value(), main.picplay()->Picture(), {}};
    for (int i = 0; i < board::Cells; ++i)
        state.cells += main.PicArr(i)->Picture();
    return state;
}

int RowOf(const frmSelectImage &chooser, const QString &fileName)
{
    for (int row = 0; row < chooser.List1->count(); ++row) {
        if (chooser.List(row) == fileName)
            return row;
    }
    return -1;
}

QStringList Entries(const frmSelectImage &chooser)
{
    QStringList names;
    for (int row = 0; row < chooser.List1->count(); ++row)
        names += chooser.List(row);
    return names;
}

// Selects the entry and waits for the preview it causes; false if none came within the answer time.
bool Preview(frmSelectImage &chooser, const QString &fileName)
{
    QSignalSpy previewChanged(&chooser, &frmSelectImage::PreviewChanged);
    chooser.List1->setCurrentRow(RowOf(chooser, fileName));
    return previewChanged.wait(AnswerTime);
}

// Within what JPEG's rounding moves a flat colour.
bool IsNear(QRgb pixel, QColor expected)
{
    return qAbs(qRed(pixel) - expected.red()) <= 8 && qAbs(qGreen(pixel) - expected.green()) <= 8
        && qAbs(qBlue(pixel) - expected.blue()) <= 8;
}

bool ShowsPicture(const frmSelectImage &chooser)
{
    return !chooser.picplay->pixmap().isNull();
}

} // namespace

class tst_BadPictures : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Each kind of file either plays or is refused within a second, with a cleared preview and a
    // warning naming it, leaving the game exactly as it was; chooser and New Game go on working.
    void playsOrRefusesEachFile_data();
    void playsOrRefusesEachFile();
    // Folders, hidden files, FIFOs and dangling links named *.jpg are not offered, and opening one anyway is refused at once.
    void offersOnlyOrdinaryFiles();
    // A picture deleted after the listing is refused, whether before or after its preview.
    void pictureDeletedAfterListing();
    // Names with spaces, letters beyond ASCII or a newline are listed, previewed and played as they are.
    void awkwardNamesPlay_data();
    void awkwardNamesPlay();
    // Without a picture folder the list is empty, and OK starts nothing.
    void missingFolderStartsNothing();
    // A folder of 5,000 pictures is listed whole, and its last picture previews and plays.
    void thousandsOfPictures();

private:
    QString PathOf(const QString &name) const { return JoinPath(ImageFolder, name); }
    void Write(const QString &name, const QByteArray &content) const;
    // New Game answered by the choice; the state is taken once the chooser is up.
    QStringList NewGame(const ModalAnswerer::Choice &choice, GameState *paused = nullptr);
    void ExpectRefused(const QString &name, const QString &reason, const ModalAnswerer::Choice &choice);
    void ExpectPlays(const QString &name);

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<MainWindowDriver> main;
};

// A game in play, one exchange made and some time used, so there is a state to keep.
void tst_BadPictures::init()
{
    PictureLoader::ClearCache();
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(root->path()).mkdir(QStringLiteral("images")));
    main = std::make_unique<MainWindowDriver>();
    ImageFolder = JoinPath(root->path(), QStringLiteral("images"));
    main->Window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main->Window()));

    Write(GoodPicture, PictureSamples::Jpeg(PictureSamples::Tiles()));
    QCOMPARE(main->NewGame(ModalAnswerer::Pick(GoodPicture)), QStringList());
    main->Tick(75);
    main->Drag(0, 1);
    QVERIFY(main->PicArr(0)->isVisible());
    QCOMPARE(main->ProgressBar1()->value(), 2);
}

void tst_BadPictures::cleanup()
{
    main.reset();
    root.reset();
    PictureLoader::ClearCache();
}

void tst_BadPictures::Write(const QString &name, const QByteArray &content) const
{
    QFile file(PathOf(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QStringList tst_BadPictures::NewGame(const ModalAnswerer::Choice &choice, GameState *paused)
{
    return main->NewGame([&](frmSelectImage &chooser) {
        if (paused)
            *paused = StateOf(*main);
        choice(chooser);
    });
}

void tst_BadPictures::ExpectRefused(const QString &name, const QString &reason, const ModalAnswerer::Choice &choice)
{
    GameState paused;
    const QStringList messages = NewGame(choice, &paused);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(reason), qPrintable(messages[0]));
    QVERIFY(!paused.timerActive && paused.cellsVisible && !paused.resultVisible);
    QVERIFY(StateOf(*main) == paused);
}

void tst_BadPictures::ExpectPlays(const QString &name)
{
    const QSize size = PlaySize() * main->Window().devicePixelRatio();
    QCOMPARE(NewGame(ModalAnswerer::Pick(name)), QStringList());
    QCOMPARE(main->picplay()->Picture(), PictureLoader::Prepare(PathOf(name), size).image);
    QVERIFY(main->picplay()->isVisible());
    QCOMPARE(main->picplay()->Picture().size(), size);
    QCOMPARE(main->ProgressBar1()->maximum(), 50);
    // The clock starts afresh: its first tick fills one fiftieth of the bar.
    main->Tick(1);
    QCOMPARE(main->ProgressBar1()->value(), 1);
}

void tst_BadPictures::playsOrRefusesEachFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QColor>("shows");
    for (const PictureSamples::Sample &sample : PictureSamples::All())
        QTest::newRow(qPrintable(sample.name)) << sample.name << sample.content << sample.shows;
}

void tst_BadPictures::playsOrRefusesEachFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QColor, shows);
    const bool plays = shows.isValid();
    Write(name, content);

    QElapsedTimer clock;
    clock.start();
    const PreparedPicture prepared = PictureLoader::Prepare(PathOf(name), QSize(320, 240));
    QVERIFY2(clock.elapsed() < AnswerTime, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(prepared.ok(), plays);
    QCOMPARE(prepared.error.isEmpty(), plays);
    if (plays)
        QVERIFY2(IsNear(prepared.image.pixel(20, 20), shows), qPrintable(QColor(prepared.image.pixel(20, 20)).name()));
    PictureLoader::ClearCache();

    {
        frmSelectImage chooser;
        QVERIFY(Preview(chooser, name));
        QCOMPARE(ShowsPicture(chooser), plays);
        if (!plays)
            QCOMPARE(chooser.picplay->toolTip(), prepared.error);
        QVERIFY(Preview(chooser, GoodPicture));
        QVERIFY(ShowsPicture(chooser));
    }
    PictureLoader::ClearCache();

    if (plays) {
        ExpectPlays(name);
        QVERIFY(IsNear(main->picplay()->Picture().pixel(20, 20), shows));
    } else
        ExpectRefused(name, prepared.error, ModalAnswerer::Pick(name));
    ExpectPlays(GoodPicture);
}

void tst_BadPictures::offersOnlyOrdinaryFiles()
{
    const QStringList notOffered = UnlistedFiles::Make(ImageFolder, PictureSamples::Jpeg(PictureSamples::Tiles()));
    QVERIFY(!notOffered.isEmpty());
    QStringList offeredAsWell{GoodPicture};
    if (UnlistedFiles::MakeLink(PathOf(GoodPicture), PathOf(QStringLiteral("link.jpg"))))
        offeredAsWell << QStringLiteral("link.jpg");

    QStringList offered;
    NewGame([&](frmSelectImage &chooser) {
        offered = Entries(chooser);
        chooser.cmdCancel->click();
    });
    QCOMPARE(offered, offeredAsWell);

    // Opened anyway, what is no file at all fails at once: a named pipe must not block.
    for (const QString &name : notOffered) {
        if (QFileInfo(PathOf(name)).isFile())
            continue;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!PictureLoader::Prepare(PathOf(name), QSize(320, 240)).ok());
        QVERIFY2(clock.elapsed() < AnswerTime, qPrintable(name));
    }
    ExpectPlays(offeredAsWell.last());
}

void tst_BadPictures::pictureDeletedAfterListing()
{
    const QString name = QStringLiteral("doomed.jpg");
    const QByteArray content = PictureSamples::Jpeg(PictureSamples::Tiles());
    Write(name, content);
    ExpectRefused(name, QStringLiteral("does not exist"), [&](frmSelectImage &chooser) {
        QVERIFY(QFile::remove(PathOf(name)));
        ModalAnswerer::Pick(name)(chooser);
    });

    Write(name, content);
    bool previewed = false;
    ExpectRefused(name, QStringLiteral("does not exist"), [&](frmSelectImage &chooser) {
        QObject::connect(&chooser, &frmSelectImage::PreviewChanged, &chooser, [&] {
            previewed = ShowsPicture(chooser);
            QFile::remove(PathOf(name));
            chooser.cmdOK->click();
        });
        chooser.List1->setCurrentRow(RowOf(chooser, name));
    });
    QVERIFY(previewed);
    ExpectPlays(GoodPicture);
}

void tst_BadPictures::awkwardNamesPlay_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << QStringLiteral("  a picture with spaces .jpg");
    QTest::newRow("beyond ASCII") << QStringLiteral("Ærøskøbing – 海辺の町 – Ελλάδα.jpg");
    QTest::newRow("newline") << QStringLiteral("two\nlines.jpg");
}

void tst_BadPictures::awkwardNamesPlay()
{
    QFETCH(QString, name);
    if (!UnlistedFiles::NameAllowed(name))
        QSKIP("Windows allows no such file name.");
    Write(name, PictureSamples::Jpeg(PictureSamples::Tiles()));
    {
        frmSelectImage chooser;
        const int row = RowOf(chooser, name);
        QVERIFY(row >= 0);
        QVERIFY(!chooser.List1->item(row)->text().contains(QLatin1Char('\n')));
        QVERIFY(Preview(chooser, name));
        QVERIFY(ShowsPicture(chooser));
    }
    ExpectPlays(name);
}

void tst_BadPictures::missingFolderStartsNothing()
{
    ImageFolder = JoinPath(root->path(), QStringLiteral("no such folder"));
    GameState paused;
    int entries = -1;
    const QStringList messages = NewGame(
        [&](frmSelectImage &chooser) {
            entries = chooser.List1->count();
            chooser.cmdOK->click();
        },
        &paused);
    QCOMPARE(entries, 0);
    QCOMPARE(messages, QStringList());
    QVERIFY(StateOf(*main) == paused);
}

void tst_BadPictures::thousandsOfPictures()
{
    const QByteArray content = PictureSamples::Jpeg(PictureSamples::Tiles(QSize(64, 48)));
    for (int n = 0; n < 5000; ++n)
        Write(QStringLiteral("picture %1.jpg").arg(n, 4, 10, QLatin1Char('0')), content);
    const QString last = QStringLiteral("picture 4999.jpg");

    QElapsedTimer clock;
    clock.start();
    frmSelectImage chooser;
    const qint64 listing = clock.elapsed();
    QVERIFY2(listing < AnswerTime, qPrintable(QString::number(listing)));
    QCOMPARE(chooser.List1->count(), 5001);
    QCOMPARE(chooser.List(0), GoodPicture);
    QCOMPARE(chooser.List(5000), last);
    QVERIFY(Preview(chooser, last));
    QVERIFY(ShowsPicture(chooser));
    ExpectPlays(last);
}

QTEST_MAIN(tst_BadPictures)
#include "tst_BadPictures.moc"
