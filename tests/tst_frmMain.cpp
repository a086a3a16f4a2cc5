// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/ModalAnswerer.h"
#include "windows/PictureCell.h"
#include "windows/frmAbout.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// A picture whose 48 pieces all differ, twice the play size so it is really stretched.
void WritePicture(const QString &path, QColor tint = Qt::white)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < board::Cells; ++i) {
        const QColor colour = QColor::fromHsv(i * 7, 120 + (i % 4) * 40, 90 + (i / 8) * 30);
        painter.fillRect((i % 8) * 80, (i / 8) * 80, 80, 80, colour);
    }
    painter.fillRect(300, 200, 40, 40, tint);
    painter.end();
    QVERIFY(image.save(path, "JPEG", 95));
}

QImage CellsAsOnePicture(const frmMain &window)
{
    QImage whole(board::PictureWidth, board::PictureHeight, QImage::Format_RGB32);
    QPainter painter(&whole);
    for (int i = 0; i < board::Cells; ++i) {
        const board::Point origin = board::PieceOrigin(i);
        painter.drawImage(origin.x, origin.y, window.PicArr[i]->Picture());
    }
    return whole;
}

// The label is measured only when it appears, so a stale size would show here.
bool LabelFitsAndIsCentred(const frmMain &window)
{
    const QRect label = window.lblGameResult->geometry();
    return label.size() == window.lblGameResult->sizeHint()
        && std::abs(label.center().x() - window.picplay->rect().center().x()) <= 1
        && std::abs(label.center().y() - window.picplay->rect().center().y()) <= 1;
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Every control sits where the layout puts it, in the window's own pixels.
    void layoutPlacesEveryControl();
    // At start-up no game runs and the built-in picture covers the cells.
    void startUpIsIdle();
    // A press on the play area before any game starts no drag.
    void noDragBeforeAGame();
    // Dropping one cell on another exchanges their pieces and images.
    void dragBetweenCellsExchangesThem();
    // A release outside every visible cell does nothing.
    void releaseOutsideACellDropsNothing();
    // The drag pointer is the hand while the button is held, and is given back after.
    void dragShowsTheHandPointer();
    // The small hand is the pointer where the desktop asks for small pointers.
    void dragPointerFollowsTheDesktopsSize();
    // A modal dialog that opens during a drag ends it and gives the pointer back.
    void modalDialogEndsTheDrag();
    // A press and release on the play area during the preview exchanges nothing.
    void dropDuringThePreviewChangesNothing();
    // New Game during the preview, then Cancel: the whole picture and the partly filled bar stay, the clock stops.
    void newGameCancelledDuringThePreviewKeepsIt();
    // The winning drop in the last second wins, and the bar keeps 249 of 250.
    void winningDropInTheLastSecondWins();
    // The prepared picture is cut into the cells pixel for pixel.
    void cellsReproduceThePreparedPicture();
    // A whole game to a win, by real drags.
    void wholeGameToAWin();
    // A whole game to a loss, by ticks, checked at each phase boundary.
    void wholeGameToALoss();
    // A picture that cannot be opened warns and leaves the game exactly as it was.
    void unloadablePictureChangesNothing();
    // Cancelling New Game during play pauses it: the clock stays off, drops still work.
    void cancelledNewGamePauses();
    // OK with no entry selected starts nothing.
    void newGameWithoutSelectionStartsNothing();
    // Choosing a.jpg starts its preview, and the chooser is gone afterwards.
    void newGameStartsTheChosenPicture();
    // The game clock keeps running while the About window is open.
    void clockRunsBehindAbout();
    // Exit closes the window, zeroes the counters and ends the program.
    void exitEndsTheProgram();

private:
    QString PicturePath(const QString &name) const { return JoinPath(folder->path(), name); }
    void StartPlaying(const QString &name = QStringLiteral("a.jpg"));
    void Tick(int count);
    void Drag(int from, int to);
    int PieceShownBy(int cell) const;
    QList<QPair<int, int>> DragsThatSolve() const;

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmMain> window;
};

void tst_frmMain::init()
{
    PictureLoader::ClearCache();
    folder = std::make_unique<QTemporaryDir>();
    WritePicture(PicturePath(QStringLiteral("a.jpg")));
    WritePicture(PicturePath(QStringLiteral("b.jpg")), Qt::black);
    window = std::make_unique<frmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The tests drive the clock themselves.
    window->Timer1->setInterval(24 * 60 * 60 * 1000);
}

void tst_frmMain::cleanup()
{
    window.reset();
    folder.reset();
}

void tst_frmMain::StartPlaying(const QString &name)
{
    window->PicturePath = PicturePath(name);
    window->StartGame();
    QVERIFY(window->Game.TimerEnabled());
}

void tst_frmMain::Tick(int count)
{
    for (int i = 0; i < count; ++i)
        window->Timer1_Timer();
}

void tst_frmMain::Drag(int from, int to)
{
    PictureCell *source = window->PicArr[from];
    const QPoint target = source->mapFrom(window.get(), window->PicArr[to]->mapTo(window.get(), QPoint(20, 20)));
    QTest::mousePress(source, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(source, Qt::LeftButton, {}, target);
}

// Which piece of the prepared picture a cell shows, found by comparing the images.
int tst_frmMain::PieceShownBy(int cell) const
{
    const QImage prepared = window->picplay->Picture().convertToFormat(QImage::Format_RGB32);
    const QImage shown = window->PicArr[cell]->Picture().convertToFormat(QImage::Format_RGB32);
    for (int piece = 0; piece < board::Cells; ++piece) {
        const board::Point origin = board::PieceOrigin(piece);
        if (shown == prepared.copy(origin.x, origin.y, board::PieceEdge, board::PieceEdge))
            return piece;
    }
    return -1;
}

// The drags that put every piece in its place, the last of them the one that completes the picture.
QList<QPair<int, int>> tst_frmMain::DragsThatSolve() const
{
    QList<int> shown;
    for (int cell = 0; cell < board::Cells; ++cell)
        shown << PieceShownBy(cell);
    QList<QPair<int, int>> drags;
    for (int cell = 0; cell < board::Cells; ++cell) {
        const int source = int(shown.indexOf(cell));
        if (source != cell) {
            drags.append({source, cell});
            shown.swapItemsAt(source, cell);
        }
    }
    if (drags.isEmpty())
        drags.append({0, 0});
    return drags;
}

void tst_frmMain::layoutPlacesEveryControl()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Tilora"));
    QCOMPARE(window->size(), QSize(349, 329));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window->windowIcon().isNull());
    const QRect screen = window->screen()->availableGeometry();
    const QPoint offCentre = window->frameGeometry().center() - screen.center();
    QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));

    QCOMPARE(window->Picture1->geometry(), QRect(4, 4, 341, 265));
    QCOMPARE(window->Picture1->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(window->picplay->parentWidget(), window->Picture1);
    QCOMPARE(window->picplay->geometry(), QRect(10, 12, 320, 240));
    for (int i = 0; i < board::Cells; ++i) {
        QCOMPARE(window->PicArr[i]->parentWidget(), window->Picture1);
        QCOMPARE(window->PicArr[i]->geometry(), QRect(10 + 40 * (i % 8), 12 + 40 * (i / 8), 40, 40));
        QCOMPARE(window->PicArr[i]->Index, i);
    }
    QVERIFY(window->Picture1->children().indexOf(window->picplay) > window->Picture1->children().indexOf(window->PicArr[47]));

    QCOMPARE(window->cmdNewGame->geometry(), QRect(4, 274, 47, 51));
    QCOMPARE(window->cmdAbout->geometry(), QRect(54, 274, 46, 50));
    QCOMPARE(window->cmdExit->geometry(), QRect(104, 274, 46, 50));
    QCOMPARE(window->ProgressBar1->geometry(), QRect(154, 274, 191, 50));
    for (QPushButton *button : {window->cmdNewGame, window->cmdAbout, window->cmdExit}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->toolTip().isEmpty());
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->accessibleName().isEmpty());
    }

    QCOMPARE(window->Timer1->timerType(), Qt::PreciseTimer);
    const frmMain fresh;
    QCOMPARE(fresh.Timer1->interval(), 100);

    QCOMPARE(window->lblGameResult->parentWidget(), window->picplay);
    QCOMPARE(window->lblGameResult->font().family(), QStringLiteral("Arial"));
    QCOMPARE(window->lblGameResult->font().pointSizeF(), 15.75);
    QVERIFY(window->lblGameResult->font().bold());
    QCOMPARE(window->lblGameResult->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void tst_frmMain::startUpIsIdle()
{
    QCOMPARE(ImageFolder, JoinPath(QCoreApplication::applicationDirPath(), QStringLiteral("images")));
    QVERIFY(window->picplay->isVisible());
    QCOMPARE(window->picplay->Picture().size(), QSize(320, 240));
    for (PictureCell *cell : window->PicArr)
        QVERIFY(!cell->isVisible());
    QVERIFY(!window->lblGameResult->isVisible());
    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(window->ProgressBar1->value(), 0);
    QCOMPARE(window->ProgressBar1->minimum(), 0);
    QCOMPARE(window->ProgressBar1->maximum(), 100);
    QVERIFY(window->PicturePath.isEmpty());
}

void tst_frmMain::noDragBeforeAGame()
{
    const auto before = window->Game.board().PieceAt();
    QTest::mousePress(window->picplay, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(window->picplay, Qt::LeftButton, {}, QPoint(100, 60));
    QCOMPARE(window->Game.board().PieceAt(), before);
    QCOMPARE(window->CellAt(window->picplay->mapToGlobal(QPoint(60, 60))), nullptr);
}

void tst_frmMain::dragBetweenCellsExchangesThem()
{
    StartPlaying();
    Tick(50);
    const auto pieces = window->Game.board().PieceAt();
    const QImage image3 = window->PicArr[3]->Picture();
    const QImage image9 = window->PicArr[9]->Picture();

    Drag(3, 9);
    QCOMPARE(window->Game.board().PieceAt()[3], pieces[9]);
    QCOMPARE(window->Game.board().PieceAt()[9], pieces[3]);
    QCOMPARE(window->PicArr[3]->Picture(), image9);
    QCOMPARE(window->PicArr[9]->Picture(), image3);

    Drag(9, 3);
    QCOMPARE(window->Game.board().PieceAt(), pieces);
    QCOMPARE(window->PicArr[3]->Picture(), image3);
}

void tst_frmMain::releaseOutsideACellDropsNothing()
{
    StartPlaying();
    Tick(50);
    const auto pieces = window->Game.board().PieceAt();
    PictureCell *source = window->PicArr[0];
    const QList<QPoint> outside = {
        source->mapFrom(window.get(), window->Picture1->mapTo(window.get(), QPoint(3, 3))),
        source->mapFrom(window.get(), window->cmdExit->geometry().center()),
        source->mapFrom(window.get(), window->ProgressBar1->geometry().center()),
        source->mapFrom(window.get(), QPoint(-50, -50)),
    };
    for (const QPoint &position : outside) {
        QTest::mousePress(source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(source, Qt::LeftButton, {}, position);
        QCOMPARE(window->Game.board().PieceAt(), pieces);
    }
    QTest::mousePress(source, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(source, Qt::RightButton, {}, source->mapFrom(window.get(), window->PicArr[1]->geometry().center()));
    QCOMPARE(window->Game.board().PieceAt(), pieces);

    // Another window over the board takes the release, even where a cell lies beneath it.
    QWidget cover;
    cover.setGeometry(QRect(window->PicArr[1]->mapToGlobal(QPoint(0, 0)), QSize(40, 40)));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    Drag(0, 1);
    QCOMPARE(window->Game.board().PieceAt(), pieces);
    cover.hide();
    Drag(0, 1);
    QCOMPARE(window->Game.board().PieceAt()[1], pieces[0]);
}

void tst_frmMain::dragShowsTheHandPointer()
{
    StartPlaying();
    Tick(50);
    QTest::mousePress(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    QTest::mouseRelease(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    QTest::mousePress(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
    Tick(2500);
    QVERIFY(!window->PicArr[7]->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void tst_frmMain::modalDialogEndsTheDrag()
{
    StartPlaying();
    Tick(50);
    const auto pieces = window->Game.board().PieceAt();
    for (const QKeySequence &key : {QKeySequence(Qt::Key_F1), QKeySequence(QKeySequence::New)}) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mousePress(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(QGuiApplication::overrideCursor());
        bool handDuringDialog = true;
        ModalAnswerer answerer([&](QWidget &modal) {
            handDuringDialog = QGuiApplication::overrideCursor() != nullptr;
            modal.close();
        });
        QTest::keySequence(window.get(), key);
        QCOMPARE(answerer.Opened.size(), 1);
        QVERIFY(!handDuringDialog);
        QTest::mouseRelease(window->PicArr[7], Qt::LeftButton, {}, QPoint(-20, 20));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(window->Game.board().PieceAt(), pieces);
    }
}

void tst_frmMain::dragPointerFollowsTheDesktopsSize()
{
    StartPlaying();
    Tick(50);
    const QByteArray desktopSize = qgetenv("XCURSOR_SIZE");
    for (const int size : {16, 32}) {
        qputenv("XCURSOR_SIZE", QByteArray::number(size));
        QTest::mousePress(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(QGuiApplication::overrideCursor());
        const QImage pointer = QGuiApplication::overrideCursor()->pixmap().toImage();
        QTest::mouseRelease(window->PicArr[7], Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(pointer.convertToFormat(QImage::Format_ARGB32), QImage(QStringLiteral(":/art/drag%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32));
    }
    qputenv("XCURSOR_SIZE", desktopSize);
}

void tst_frmMain::dropDuringThePreviewChangesNothing()
{
    StartPlaying();
    Tick(10);
    QList<QImage> cells;
    for (PictureCell *cell : window->PicArr)
        cells << cell->Picture();
    const QImage whole = window->picplay->Picture();

    const QPoint cell3 = window->picplay->mapFrom(window->Picture1, window->PicArr[3]->geometry().center());
    const QPoint cell9 = window->picplay->mapFrom(window->Picture1, window->PicArr[9]->geometry().center());
    QTest::mousePress(window->picplay, Qt::LeftButton, {}, cell3);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(window->picplay, Qt::LeftButton, {}, cell9);
    window->PicArr_DragDrop(9, window->PicArr[3], 0, 0);

    QVERIFY(window->picplay->isVisible());
    QCOMPARE(window->picplay->Picture(), whole);
    QCOMPARE(window->ProgressBar1->value(), 10);
    Tick(40);
    for (int i = 0; i < board::Cells; ++i)
        QCOMPARE(window->PicArr[i]->Picture(), cells[i]);
    QVERIFY(window->PicArr[3]->isVisible());
}

void tst_frmMain::newGameCancelledDuringThePreviewKeepsIt()
{
    ImageFolder = folder->path();
    StartPlaying();
    Tick(20);
    const QImage whole = window->picplay->Picture();
    const ModalAnswerer answerer(ModalAnswerer::AsPlayer([](frmSelectImage &chooser) {
        chooser.List1->setCurrentRow(1);
        chooser.cmdCancel->click();
    }));
    window->cmdNewGame->click();

    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->picplay->isVisible());
    QCOMPARE(window->picplay->Picture(), whole);
    QCOMPARE(window->PicturePath, PicturePath(QStringLiteral("a.jpg")));
    for (PictureCell *cell : window->PicArr)
        QVERIFY(!cell->isVisible());
    QVERIFY(!window->lblGameResult->isVisible());
    QCOMPARE(window->ProgressBar1->maximum(), 50);
    QCOMPARE(window->ProgressBar1->value(), 20);
}

void tst_frmMain::winningDropInTheLastSecondWins()
{
    StartPlaying();
    Tick(50);
    const QList<QPair<int, int>> drags = DragsThatSolve();
    for (qsizetype i = 0; i + 1 < drags.size(); ++i)
        Drag(drags[i].first, drags[i].second);
    // Ticks 51 to 2540 use up 249 of the 250 seconds; tick 2550 would end the game.
    Tick(2490);
    QCOMPARE(window->ProgressBar1->value(), 249);
    QVERIFY(window->Timer1->isActive());
    QVERIFY(!window->lblGameResult->isVisible());

    Tick(9);
    Drag(drags.last().first, drags.last().second);

    QVERIFY(window->lblGameResult->isVisible());
    QCOMPARE(window->lblGameResult->text(), QStringLiteral("Congratulation, You Win!"));
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->picplay->isVisible());
    QCOMPARE(window->ProgressBar1->maximum(), 250);
    QCOMPARE(window->ProgressBar1->value(), 249);
    QCOMPARE(CellsAsOnePicture(*window), window->picplay->Picture().convertToFormat(QImage::Format_RGB32));
}

void tst_frmMain::cellsReproduceThePreparedPicture()
{
    StartPlaying();
    const QImage prepared = window->picplay->Picture().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(prepared.size(), QSize(320, 240));
    for (int i = 0; i < board::Cells; ++i) {
        const board::Point origin = board::PieceOrigin(window->Game.board().PieceAt()[i]);
        QCOMPARE(window->PicArr[i]->Picture().convertToFormat(QImage::Format_RGB32), prepared.copy(origin.x, origin.y, 40, 40));
    }

    for (int i = 0; i < board::Cells; ++i)
        window->DrawPiece(i, i);
    QCOMPARE(CellsAsOnePicture(*window), prepared);

    window->DrawPiece(47, 0);
    QCOMPARE(window->PicArr[0]->Picture().convertToFormat(QImage::Format_RGB32), prepared.copy(280, 200, 40, 40));
}

void tst_frmMain::wholeGameToAWin()
{
    StartPlaying();
    Tick(50);
    QVERIFY(!window->Game.board().CheckSolved());
    for (int cell = 0; cell < board::Cells; ++cell) {
        int source = cell;
        while (window->Game.board().PieceAt()[source] != cell)
            ++source;
        if (source != cell)
            Drag(source, cell);
    }
    if (!window->lblGameResult->isVisible())
        Drag(0, 0);

    QVERIFY(window->lblGameResult->isVisible());
    QCOMPARE(window->lblGameResult->text(), QStringLiteral("Congratulation, You Win!"));
    QVERIFY(LabelFitsAndIsCentred(*window));
    QVERIFY(window->picplay->isVisible());
    QVERIFY(!window->PicArr[0]->isVisible());
    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(CellsAsOnePicture(*window), window->picplay->Picture().convertToFormat(QImage::Format_RGB32));
}

void tst_frmMain::wholeGameToALoss()
{
    StartPlaying();
    QCOMPARE(window->ProgressBar1->maximum(), 50);
    Tick(49);
    QCOMPARE(window->ProgressBar1->value(), 49);
    QVERIFY(window->picplay->isVisible());
    QVERIFY(!window->PicArr[0]->isVisible());

    Tick(1);
    QCOMPARE(window->ProgressBar1->maximum(), 250);
    QCOMPARE(window->ProgressBar1->value(), 0);
    QVERIFY(!window->picplay->isVisible());
    QVERIFY(window->PicArr[47]->isVisible());

    Tick(9);
    QCOMPARE(window->ProgressBar1->value(), 0);
    Tick(1);
    QCOMPARE(window->ProgressBar1->value(), 1);
    QCOMPARE(window->Game.TimeLeft(), 249);
    QVERIFY(window->Timer1->isActive());

    Tick(2489);
    QVERIFY(!window->lblGameResult->isVisible());
    Tick(1);
    QCOMPARE(window->ProgressBar1->value(), 250);
    QVERIFY(window->lblGameResult->isVisible());
    QCOMPARE(window->lblGameResult->text(), QStringLiteral("Sorry, You Fail!"));
    QVERIFY(LabelFitsAndIsCentred(*window));
    QVERIFY(window->picplay->isVisible());
    QVERIFY(!window->PicArr[0]->isVisible());
    QVERIFY(!window->Timer1->isActive());
}

void tst_frmMain::unloadablePictureChangesNothing()
{
    StartPlaying();
    Tick(75);
    window->Game.Pause();
    const auto pieces = window->Game.board().PieceAt();
    const QImage whole = window->picplay->Picture();
    const QImage cell = window->PicArr[0]->Picture();

    QFile bad(PicturePath(QStringLiteral("bad.jpg")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("this is no picture at all");
    bad.close();

    ModalAnswerer answerer([](QWidget &modal) { modal.close(); });
    window->PicturePath = bad.fileName();
    window->StartGame();

    const QString warning = answerer.Messages.value(0);
    QVERIFY2(warning.contains(QStringLiteral("bad.jpg")), qPrintable(warning));
    QCOMPARE(window->Game.board().PieceAt(), pieces);
    QCOMPARE(window->Game.TickCount(), 75);
    QCOMPARE(window->Game.TimeLeft(), 248);
    QCOMPARE(window->ProgressBar1->maximum(), 250);
    QCOMPARE(window->ProgressBar1->value(), 2);
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->PicArr[0]->isVisible());
    QVERIFY(!window->picplay->isVisible());
    QVERIFY(!window->lblGameResult->isVisible());
    QCOMPARE(window->picplay->Picture(), whole);
    QCOMPARE(window->PicArr[0]->Picture(), cell);
}

void tst_frmMain::cancelledNewGamePauses()
{
    StartPlaying();
    Tick(64);
    const auto pieces = window->Game.board().PieceAt();
    ModalAnswerer answerer(ModalAnswerer::AsPlayer(ModalAnswerer::Cancel()));
    window->cmdNewGame->click();

    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(window->Game.board().PieceAt(), pieces);
    QCOMPARE(window->ProgressBar1->value(), 1);
    QVERIFY(window->PicArr[0]->isVisible());
    Drag(0, 1);
    QCOMPARE(window->Game.board().PieceAt()[0], pieces[1]);
    QVERIFY(!window->Timer1->isActive());
}

void tst_frmMain::newGameWithoutSelectionStartsNothing()
{
    ImageFolder = folder->path();
    ModalAnswerer answerer(ModalAnswerer::AsPlayer([](frmSelectImage &chooser) {
        QCOMPARE(chooser.List1->count(), 2);
        chooser.cmdOK->click();
    }));
    window->cmdNewGame->click();
    QVERIFY(window->PicturePath.isEmpty());
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->picplay->isVisible());
}

void tst_frmMain::newGameStartsTheChosenPicture()
{
    ImageFolder = folder->path();
    for (int round = 0; round < 2; ++round) {
        bool freshChooser = false;
        ModalAnswerer answerer(ModalAnswerer::AsPlayer([&](frmSelectImage &chooser) {
            freshChooser = chooser.ListIndex() == -1 && chooser.Tag.isEmpty() && chooser.List1->count() == 2;
            chooser.List1->setCurrentRow(1);
            chooser.List1->setCurrentRow(0);
            chooser.cmdOK->click();
        }));
        window->cmdNewGame->click();
        QVERIFY(freshChooser);
        QCOMPARE(window->PicturePath, ImageFolder + QStringLiteral("/a.jpg"));
        QVERIFY(window->Timer1->isActive());
        QCOMPARE(window->Game.TickCount(), 0);
        QVERIFY(window->picplay->isVisible());
        QCOMPARE(window->ProgressBar1->maximum(), 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSelectImage *>(widget));
        Tick(60);
    }
}

void tst_frmMain::clockRunsBehindAbout()
{
    StartPlaying();
    window->Timer1->setInterval(1);
    int ticksSeen = -1;
    ModalAnswerer answerer([&](QWidget &modal) {
        QVERIFY(qobject_cast<frmAbout *>(&modal));
        QTRY_VERIFY(window->Game.TickCount() >= 3);
        ticksSeen = window->Game.TickCount();
        modal.close();
    });
    window->cmdAbout->click();
    QVERIFY(ticksSeen >= 3);
    QVERIFY(window->Timer1->isActive());
}

void tst_frmMain::exitEndsTheProgram()
{
    StartPlaying();
    Tick(80);
    window->cmdExit->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->Game.TickCount(), 0);
    QCOMPARE(window->Game.TimeLeft(), 0);
    QVERIFY(!window->Timer1->isActive());
    // The program ends with its last window; the end-to-end test checks the exit status.
    QVERIFY(QApplication::quitOnLastWindowClosed());
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
