// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChildProcess.h"
#include "Desktop.h"
#include "TilePicture.h"
#include "XvfbServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// The main window's layout, from its client area's top-left corner.
constexpr QPoint PlayArea(4 + 10, 4 + 12);
constexpr QPoint NewGameButton(4 + 23, 274 + 25);
constexpr QPoint AboutButton(54 + 23, 274 + 25);
constexpr QPoint ExitButton(104 + 23, 274 + 25);
constexpr QRect Bar(154, 274, 191, 50);

// The chooser's layout.
constexpr QPoint FirstEntry(4 + 30, 6 + 10);
constexpr QPoint ChooserOK(146 + 54, 6 + 18);
constexpr QPoint ChooserCancel(146 + 54, 48 + 18);
constexpr QRect Preview(146, 88, 107, 80);

// The About window's layout: its picture box, with OK near the box's top right.
constexpr QRect AboutPicture(18, 13, 349, 84);
constexpr QPoint AboutOK(18 + 2 + 282 + 26, 13 + 2 + 4 + 14);

// The longest the bar may show no change while the clock runs: the style draws it in blocks.
constexpr int BarStep = 13'000;

const QString MainTitle = QStringLiteral("Tilora");
const QString ChooserTitle = QStringLiteral("Select Game");
const QString AboutTitle = QStringLiteral("About ...");

using Arrangement = std::array<int, 48>;

// Polls until the condition holds or the time is up; the answer is whether it held.
bool WaitFor(const std::function<bool()> &condition, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

bool IsPermutation(const Arrangement &arrangement)
{
    std::array<bool, 48> seen{};
    for (int piece : arrangement) {
        if (piece < 0 || seen[piece])
            return false;
        seen[piece] = true;
    }
    return true;
}

bool IsInOrder(const Arrangement &arrangement)
{
    for (int cell = 0; cell < 48; ++cell) {
        if (arrangement[cell] != cell)
            return false;
    }
    return true;
}

bool IsNavy(QRgb pixel)
{
    return qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) > 90 && qBlue(pixel) < 170;
}

int ColourfulPixels(const QImage &shot, const QRect &region)
{
    int colourful = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x)
            colourful += QColor(shot.pixel(x, y)).hsvSaturation() > 60;
    }
    return colourful;
}

// Centred to the pixel: an odd width leaves half a pixel to one side.
bool IsCentred(const QRect &rect)
{
    return std::abs(2 * rect.left() + rect.width() - XvfbServer::ScreenWidth) <= 1
        && std::abs(2 * rect.top() + rect.height() - XvfbServer::ScreenHeight) <= 1;
}

bool SameRegion(const QImage &a, const QImage &b, const QRect &region)
{
    return a.copy(region) == b.copy(region);
}

} // namespace

class tst_EndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    // At start-up the window is centred and idle: empty bar, no cells, and the play area takes no drags.
    void startsIdle();
    // New Game, a clicked and previewed picture, OK, the 5-second preview, the scramble and drags to a win.
    void playsAGameToAWin();
    // A New Game cancelled during play stops the bar, and drags still exchange cells.
    void cancelledNewGamePausesPlay();
    // The About window shows what lies behind its cut-away bands, the bar runs on, and OK closes it.
    void aboutKeepsTheClockRunning();
    // A picture that cannot be opened is named in a warning, and the paused game stays as it was.
    void refusedPictureChangesNothing();
    // Exit during a game ends the program with status 0.
    void exitDuringAGameEndsTheProgram();

private:
    QImage Shot() const { return desktop->Screenshot(); }
    QPoint CellCentre(int cell) const;
    QRect BarOnScreen() const { return Bar.translated(window.topLeft()); }
    Arrangement Cells(const QImage &shot) const;
    int BarFill(const QImage &shot) const;
    int NavyPixels(const QImage &shot) const;
    void PickFirstPicture();
    void StartGame();
    void WaitForPlay();
    void Exit();

    XvfbServer server;
    std::unique_ptr<Desktop> desktop;
    QTemporaryDir folder;
    QProcess game;
    QRect window;
};

void tst_EndToEnd::initTestCase()
{
    QVERIFY2(server.Start(), qPrintable(server.Error()));
    desktop = std::make_unique<Desktop>(server.Environment());

    QVERIFY(folder.isValid());
    const QFileInfo built(QStringLiteral(TILORA_EXECUTABLE));
    QVERIFY(QFile::copy(built.filePath(), folder.filePath(QStringLiteral("tilora"))));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("images")));
    const QDir images(folder.filePath(QStringLiteral("images")));
    const QDir samples(built.dir().filePath(QStringLiteral("images")));
    for (const QString &name : samples.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QVERIFY(QFile::copy(samples.filePath(name), images.filePath(name)));
    // First in the list, and a second picture the arrow keys can reach.
    QVERIFY(TilePicture::Make().save(images.filePath(QStringLiteral("00 tiles.jpg")), "JPEG", 100));
    QImage plain(320, 240, QImage::Format_RGB32);
    plain.fill(QColor(250, 140, 0));
    QVERIFY(plain.save(images.filePath(QStringLiteral("01 plain.jpg")), "JPEG", 100));
    QFile broken(images.filePath(QStringLiteral("02 broken.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
}

void tst_EndToEnd::init()
{
    ChildProcess::DieWithParent(game);
    QProcessEnvironment environment = server.Environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(folder.path());
    game.start(folder.filePath(QStringLiteral("tilora")), {});
    QVERIFY2(game.waitForStarted(), qPrintable(game.errorString()));
    QVERIFY2(WaitFor([this] { return (window = desktop->Window(MainTitle)).isValid(); }, 20'000),
             "the main window did not appear");
}

void tst_EndToEnd::cleanup()
{
    if (game.state() != QProcess::NotRunning) {
        game.kill();
        game.waitForFinished();
    }
    const QByteArray errors = game.readAllStandardError();
    QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), errors.constData());
}

void tst_EndToEnd::cleanupTestCase()
{
    server.Stop();
}

QPoint tst_EndToEnd::CellCentre(int cell) const
{
    return window.topLeft() + PlayArea + QPoint(cell % 8 * 40 + 20, cell / 8 * 40 + 20);
}

Arrangement tst_EndToEnd::Cells(const QImage &shot) const
{
    Arrangement arrangement;
    for (int cell = 0; cell < 48; ++cell)
        arrangement[cell] = TilePicture::PieceAt(shot, CellCentre(cell));
    return arrangement;
}

// Columns of the bar's middle row in a strong colour: the filled part, whatever the style's hue.
int tst_EndToEnd::BarFill(const QImage &shot) const
{
    const QRect bar = BarOnScreen();
    int filled = 0;
    for (int x = bar.left(); x <= bar.right(); ++x)
        filled += QColor(shot.pixel(x, bar.center().y())).hsvSaturation() > 100;
    return filled;
}

int tst_EndToEnd::NavyPixels(const QImage &shot) const
{
    const QRect picture(window.topLeft() + PlayArea, QSize(320, 240));
    int navy = 0;
    for (int y = picture.top(); y <= picture.bottom(); ++y) {
        for (int x = picture.left(); x <= picture.right(); ++x)
            navy += IsNavy(shot.pixel(x, y));
    }
    return navy;
}

// Clicks the first entry of an open chooser and waits for its preview.
void tst_EndToEnd::PickFirstPicture()
{
    const QRect chooser = desktop->Window(ChooserTitle);
    QVERIFY(chooser.isValid());
    desktop->Click(chooser.topLeft() + FirstEntry);
    const QRect preview = Preview.translated(chooser.topLeft());
    QVERIFY2(WaitFor(
                 [&] {
                     const QImage shot = Shot();
                     return TilePicture::Shows(shot.pixel(preview.topLeft() + QPoint(6, 6)), 0)
                         && TilePicture::Shows(shot.pixel(preview.bottomRight() - QPoint(6, 6)), 47);
                 },
                 10'000),
             "the preview does not show the picked picture");
}

// New Game, the first picture, OK: the whole picture shows.
void tst_EndToEnd::StartGame()
{
    desktop->Click(window.topLeft() + NewGameButton);
    QVERIFY2(WaitFor([this] { return desktop->Window(ChooserTitle).isValid(); }, 10'000), "no chooser");
    PickFirstPicture();
    if (QTest::currentTestFailed())
        return;
    desktop->Click(desktop->Window(ChooserTitle).topLeft() + ChooserOK);
    QVERIFY2(WaitFor([this] { return !desktop->Window(ChooserTitle).isValid(); }, 10'000), "the chooser stays open");
    QVERIFY2(WaitFor([this] { return IsInOrder(Cells(Shot())); }, 10'000), "the whole picture does not show");
}

void tst_EndToEnd::WaitForPlay()
{
    QVERIFY2(WaitFor(
                 [this] {
                     const Arrangement cells = Cells(Shot());
                     return IsPermutation(cells) && !IsInOrder(cells);
                 },
                 20'000),
             "the scrambled cells do not appear");
}

void tst_EndToEnd::Exit()
{
    desktop->Click(window.topLeft() + ExitButton);
    QVERIFY2(game.waitForFinished(20'000), "the program does not end");
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
}

void tst_EndToEnd::startsIdle()
{
    QCOMPARE(window.size(), QSize(349, 329));
    QVERIFY(IsCentred(window));
    const QImage before = Shot();
    QCOMPARE(BarFill(before), 0);
    QVERIFY(!IsPermutation(Cells(before)));

    desktop->Drag(CellCentre(0), CellCentre(9));
    desktop->Drag(CellCentre(47), CellCentre(47));
    // Once the chooser is up, the drags before it have been handled; it covers only the middle.
    desktop->Click(window.topLeft() + NewGameButton);
    QRect chooser;
    QVERIFY2(WaitFor([&] { return (chooser = desktop->Window(ChooserTitle)).isValid(); }, 10'000), "no chooser");
    const QImage after = Shot();
    QVERIFY(SameRegion(before, after, QRect(window.left(), window.top(), window.width(), chooser.top() - window.top())));
    QVERIFY(SameRegion(before, after, BarOnScreen()));
    desktop->Click(chooser.topLeft() + ChooserCancel);
    QVERIFY2(WaitFor([this] { return !desktop->Window(ChooserTitle).isValid(); }, 10'000), "the chooser stays open");
    QVERIFY2(WaitFor([&] { return SameRegion(before, Shot(), window); }, 10'000), "the idle window changed");
    Exit();
}

void tst_EndToEnd::playsAGameToAWin()
{
    desktop->Click(window.topLeft() + NewGameButton);
    QRect chooser;
    QVERIFY2(WaitFor([&] { return (chooser = desktop->Window(ChooserTitle)).isValid(); }, 10'000), "no chooser");
    QVERIFY(IsCentred(chooser));
    PickFirstPicture();
    if (QTest::currentTestFailed())
        return;

    // The arrow keys preview the next entry and come back, as clicks do.
    const QRect preview = Preview.translated(chooser.topLeft());
    const QPoint previewMiddle = preview.center();
    desktop->Key(QStringLiteral("Down"));
    QVERIFY2(WaitFor(
                 [&] {
                     const QRgb middle = Shot().pixel(previewMiddle);
                     return qRed(middle) > 230 && qGreen(middle) > 120 && qGreen(middle) < 160 && qBlue(middle) < 30;
                 },
                 10'000),
             "the Down key does not preview the second picture");
    desktop->Key(QStringLiteral("Up"));
    QVERIFY2(WaitFor([&] { return TilePicture::Shows(Shot().pixel(preview.topLeft() + QPoint(6, 6)), 0); }, 10'000),
             "the Up key does not preview the first picture again");

    desktop->Click(chooser.topLeft() + ChooserOK);
    QElapsedTimer sincePicked;
    sincePicked.start();
    QVERIFY2(WaitFor([this] { return !desktop->Window(ChooserTitle).isValid(); }, 10'000), "the chooser stays open");

    // The preview: the whole picture in order while the bar fills.
    QImage shot;
    QVERIFY2(WaitFor([&] { return IsInOrder(Cells(shot = Shot())); }, 10'000), "the whole picture does not show");
    const int early = BarFill(shot);
    // Late enough, the next change is the empty bar of play.
    QVERIFY2(WaitFor([&] { return BarFill(Shot()) != early; }, BarStep + 5000), "the bar stands still in the preview");

    WaitForPlay();
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(sincePicked.elapsed() >= 4500, qPrintable(QString::number(sincePicked.elapsed())));
    QVERIFY(BarFill(Shot()) < 4);

    // Each piece is read from the screen and dragged home; a lost event only costs another round.
    for (int round = 0; round < 3 && NavyPixels(shot = Shot()) == 0; ++round) {
        Arrangement cells = Cells(shot);
        QVERIFY(IsPermutation(cells));
        for (int cell = 0; cell < 48; ++cell) {
            if (cells[cell] == cell)
                continue;
            const int home = int(std::find(cells.begin(), cells.end(), cell) - cells.begin());
            desktop->Drag(CellCentre(home), CellCentre(cell));
            std::swap(cells[cell], cells[home]);
        }
        WaitFor([this] { return NavyPixels(Shot()) > 0; }, 5000);
    }

    shot = Shot();
    QVERIFY2(NavyPixels(shot) > 200, "no win message");
    const Arrangement whole = Cells(shot);
    for (int cell : {0, 7, 8, 15, 32, 39, 40, 47})
        QCOMPARE(whole[cell], cell);
    Exit();
}

void tst_EndToEnd::cancelledNewGamePausesPlay()
{
    StartGame();
    WaitForPlay();
    if (QTest::currentTestFailed())
        return;
    // During play the bar grows in steps some 12 seconds apart: pause just after one.
    const int playing = BarFill(Shot());
    QVERIFY2(WaitFor([&] { return BarFill(Shot()) > playing; }, BarStep + 5000), "the bar does not move during play");

    desktop->Click(window.topLeft() + NewGameButton);
    QRect chooser;
    QVERIFY2(WaitFor([&] { return (chooser = desktop->Window(ChooserTitle)).isValid(); }, 10'000), "no chooser");
    desktop->Click(chooser.topLeft() + ChooserCancel);
    QVERIFY2(WaitFor([this] { return !desktop->Window(ChooserTitle).isValid(); }, 10'000), "the chooser stays open");

    QImage shot = Shot();
    const int paused = BarFill(shot);
    QTest::qWait(BarStep + 2000);
    shot = Shot();
    QCOMPARE(BarFill(shot), paused);

    const Arrangement before = Cells(shot);
    const int from = before[0] == 0 ? 1 : 0;
    const int to = from + 10;
    desktop->Drag(CellCentre(from), CellCentre(to));
    QVERIFY2(WaitFor(
                 [&] {
                     const Arrangement after = Cells(Shot());
                     return after[from] == before[to] && after[to] == before[from];
                 },
                 5000),
             "the drag did not exchange the cells");
    QCOMPARE(BarFill(Shot()), paused);
    Exit();
}

void tst_EndToEnd::aboutKeepsTheClockRunning()
{
    StartGame();
    if (QTest::currentTestFailed())
        return;
    const QImage behind = Shot();
    desktop->Click(window.topLeft() + AboutButton);
    QRect about;
    QVERIFY2(WaitFor([&] { return (about = desktop->Window(AboutTitle)).isValid(); }, 10'000), "no About window");
    QVERIFY(IsCentred(about));
    const QRect picture = AboutPicture.translated(about.topLeft());
    QImage shot;
    QVERIFY2(WaitFor([&] { return !SameRegion(shot = Shot(), behind, picture); }, 10'000),
             "the About picture does not show");

    // The cut-away bands show the white root window and the main window as they were.
    const QRect bands[] = {QRect(about.left(), about.top(), AboutPicture.left(), about.height()),
                           QRect(picture.right() + 1, about.top(), about.right() - picture.right(), about.height()),
                           QRect(about.left(), about.top(), about.width(), AboutPicture.top()),
                           QRect(about.left(), picture.bottom() + 1, about.width(), about.bottom() - picture.bottom())};
    const QRect bar = BarOnScreen();
    for (const QRect &band : bands) {
        QVERIFY(!band.intersects(bar));
        for (int y = band.top(); y <= band.bottom(); y += 2) {
            for (int x = band.left(); x <= band.right(); x += 2) {
                const QPoint at(x, y);
                if (!window.contains(at))
                    QCOMPARE(QColor(shot.pixel(at)), QColor(Qt::white));
                else
                    QCOMPARE(QColor(shot.pixel(at)), QColor(behind.pixel(at)));
            }
        }
    }

    const QImage opened = shot;
    QVERIFY2(WaitFor([&] { return !SameRegion(Shot(), opened, bar); }, BarStep + 5000),
             "the bar stands still behind About");

    desktop->Click(about.topLeft() + AboutOK);
    QVERIFY2(WaitFor([this] { return !desktop->Window(AboutTitle).isValid(); }, 10'000), "OK does not close About");

    // A second opening shows the same window with the same shape.
    desktop->Click(window.topLeft() + AboutButton);
    QRect again;
    QVERIFY2(WaitFor([&] { return (again = desktop->Window(AboutTitle)).isValid(); }, 10'000), "no About window");
    QCOMPARE(again, about);
    QVERIFY2(WaitFor([&] { return SameRegion(shot = Shot(), opened, picture); }, 10'000), "About looks different");
    for (const QRect &band : bands) {
        const QPoint outside = band.topLeft();
        if (!window.contains(outside))
            QCOMPARE(QColor(shot.pixel(outside)), QColor(Qt::white));
    }
    desktop->Click(again.topLeft() + AboutOK);
    QVERIFY2(WaitFor([this] { return !desktop->Window(AboutTitle).isValid(); }, 10'000), "OK does not close About");
    Exit();
}

void tst_EndToEnd::refusedPictureChangesNothing()
{
    StartGame();
    WaitForPlay();
    if (QTest::currentTestFailed())
        return;
    const QImage board = Shot();
    desktop->Click(window.topLeft() + NewGameButton);
    QRect chooser;
    QVERIFY2(WaitFor([&] { return (chooser = desktop->Window(ChooserTitle)).isValid(); }, 10'000), "no chooser");
    const QImage paused = Shot();
    PickFirstPicture();
    if (QTest::currentTestFailed())
        return;
    desktop->Key(QStringLiteral("Down"));
    desktop->Key(QStringLiteral("Down"));
    const QRect preview = Preview.translated(chooser.topLeft());
    QVERIFY2(WaitFor([&] { return ColourfulPixels(Shot(), preview) == 0; }, 10'000),
             "the preview of the broken picture is not cleared");

    desktop->Click(chooser.topLeft() + ChooserOK);
    QList<QRect> warnings;
    QVERIFY2(WaitFor([&] { return (warnings = desktop->Windows(MainTitle)).size() == 2; }, 10'000), "no warning");
    QVERIFY(!desktop->Window(ChooserTitle).isValid());
    const QRect warning = warnings[0] == window ? warnings[1] : warnings[0];
    desktop->Click(warning.center());
    desktop->Key(QStringLiteral("Return"));
    QVERIFY2(WaitFor([&] { return desktop->Windows(MainTitle).size() == 1; }, 10'000), "the warning stays open");

    const QRect playArea(window.topLeft() + PlayArea, QSize(320, 240));
    QImage after;
    QVERIFY2(WaitFor([&] { return SameRegion(after = Shot(), board, playArea); }, 10'000),
             "the board changed or is hidden");
    QVERIFY(SameRegion(after, paused, BarOnScreen()));
    Exit();
}

void tst_EndToEnd::exitDuringAGameEndsTheProgram()
{
    StartGame();
    WaitForPlay();
    if (QTest::currentTestFailed())
        return;
    Exit();
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_EndToEnd.moc"
