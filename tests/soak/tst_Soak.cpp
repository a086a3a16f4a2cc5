// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "support/MainWindowDriver.h"
#include "support/PictureSamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

constexpr int Games = 500;
constexpr int WarmUpGames = 10;
constexpr int AboutOpenings = 200;
constexpr qint64 AllowedGrowthKiB = 5 * 1024;

qint64 ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

qsizetype OpenFiles()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // Hundreds of games through New Game and the chooser, and hundreds of About openings,
    // leave resident memory within 5 MB of where it stood after the first games, and open no files for good.
    void gamesAndAboutsHoldMemoryAndFilesLevel();

private:
    void PlayGame(int game);
    void OpenAbout();

    QTemporaryDir root;
    QStringList pictures;
    std::unique_ptr<MainWindowDriver> main;
};

void tst_Soak::initTestCase()
{
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("images")));
    main = std::make_unique<MainWindowDriver>();
    ImageFolder = JoinPath(root.path(), QStringLiteral("images"));
    main->Window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main->Window()));

    // Three sizes, so alternating between them decodes anew each time instead of reusing the last.
    for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(320, 240)}) {
        pictures += QStringLiteral("%1x%2.jpg").arg(size.width()).arg(size.height());
        QFile file(JoinPath(ImageFolder, pictures.last()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PictureSamples::Jpeg(PictureSamples::Tiles(size)));
    }
}

void tst_Soak::cleanupTestCase()
{
    main.reset();
    PictureLoader::ClearCache();
}

// A game through the chooser, into play, with an exchange of two cells.
void tst_Soak::PlayGame(int game)
{
    const QString picture = JoinPath(ImageFolder, pictures[game % pictures.size()]);
    QCOMPARE(main->NewGame(ModalAnswerer::Pick(pictures[game % pictures.size()])), QStringList());
    QCOMPARE(main->picplay()->Picture(), PictureLoader::Prepare(picture, PlaySize() * main->Window().devicePixelRatio()).image);
    QVERIFY(main->Timer1()->isActive());
    main->Tick(60);
    QVERIFY(main->PicArr(0)->isVisible());
    main->Drag(47 - game % 48, game % 48);
}

void tst_Soak::OpenAbout()
{
    ModalAnswerer answerer(ModalAnswerer::AsPlayer(ModalAnswerer::Cancel()));
    main->cmdAbout()->click();
    QCOMPARE(answerer.Answered("frmAbout"), 1);
}

void tst_Soak::gamesAndAboutsHoldMemoryAndFilesLevel()
{
    for (int game = 0; game < WarmUpGames && !QTest::currentTestFailed(); ++game)
        PlayGame(game);
    const qint64 warmResident = ResidentKiB();
    const qsizetype warmFiles = OpenFiles();

    for (int game = WarmUpGames; game < Games && !QTest::currentTestFailed(); ++game) {
        PlayGame(game);
        if (game % 5 == 0)
            OpenAbout();
    }
    for (int about = Games / 5; about < AboutOpenings && !QTest::currentTestFailed(); ++about)
        OpenAbout();
    if (QTest::currentTestFailed())
        return;

    const qint64 resident = ResidentKiB();
    const qsizetype files = OpenFiles();
    qInfo("Resident memory after %d games: %lld KiB; after %d games and %d About openings: %lld KiB (%+lld KiB). "
          "Open files: %lld, then %lld.",
          WarmUpGames, warmResident, Games, AboutOpenings, resident, resident - warmResident, qlonglong(warmFiles),
          qlonglong(files));
    QVERIFY(warmResident > 0);
    QVERIFY2(resident - warmResident <= AllowedGrowthKiB, qPrintable(QString::number(resident - warmResident)));
    QVERIFY2(files <= warmFiles, qPrintable(QStringLiteral("%1 then %2").arg(warmFiles).arg(files)));
}

QTEST_MAIN(tst_Soak)
#include "tst_Soak.moc"
