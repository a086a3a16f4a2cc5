// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "support/ModalAnswerer.h"
#include "support/PictureSamples.h"
#include "windows/PictureCell.h"
#include "windows/frmMain.h"

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
    std::unique_ptr<frmMain> window;
};

void tst_Soak::initTestCase()
{
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("images")));
    window = std::make_unique<frmMain>();
    ImageFolder = JoinPath(root.path(), QStringLiteral("images"));
    // The test drives the clock itself.
    window->Timer1->setInterval(24 * 60 * 60 * 1000);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

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
    window.reset();
    PictureLoader::ClearCache();
}

// A game through the chooser, into play, with an exchange of two cells.
void tst_Soak::PlayGame(int game)
{
    const QString picture = pictures[game % pictures.size()];
    ModalAnswerer answerer(ModalAnswerer::AsPlayer(ModalAnswerer::Pick(picture)));
    window->cmdNewGame_Click();
    QCOMPARE(answerer.Answered("frmSelectImage"), 1);
    QCOMPARE(answerer.Messages, QStringList());
    QCOMPARE(window->PicturePath, JoinPath(ImageFolder, picture));
    QVERIFY(window->Game.TimerEnabled());
    for (int tick = 0; tick < 60; ++tick)
        window->Timer1_Timer();
    QVERIFY(window->Game.CellsVisible());
    window->PicArr_DragDrop(game % 48, window->PicArr[47 - game % 48], 20, 20);
}

void tst_Soak::OpenAbout()
{
    ModalAnswerer answerer(ModalAnswerer::AsPlayer(ModalAnswerer::Cancel()));
    window->cmdAbout_Click();
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
