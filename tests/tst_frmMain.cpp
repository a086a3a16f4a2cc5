// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/TitleWords.h"
#include "library/PictureLoader.h"
#include "library/basFunctions.h"
#include "library/frmSelectImage.h"
#include "support/MainWindowDriver.h"
#include "support/PictureSamples.h"
#include "windows/frmAbout.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <numeric>

namespace {

// A picture whose 48 pieces all differ, twice the play size so it is really stretched.
void WritePicture(const QString &path, QColor tint = Qt::white)
{
    QImage image = PictureSamples::Tiles(QSize(640, 480));
    QPainter(&image).fillRect(300, 200, 40, 40, tint);
    QVERIFY(image.save(path, "JPEG", 95));
}

// Each cell showing its own piece: the cells make up the prepared picture pixel for pixel.
QList<int> InOrder()
{
    QList<int> pieces(board::Cells);
    std::iota(pieces.begin(), pieces.end(), 0);
    return pieces;
}

// The label is measured only when it appears, so a stale size would show here.
bool LabelFitsAndIsCentred(const MainWindowDriver &main)
{
    const QRect label = main.lblGameResult()->geometry();
    return label.size() == main.lblGameResult()->sizeHint()
        && std::abs(label.center().x() - main.picplay()->rect().center().x()) <= 1
        && std::abs(label.center().y() - main.picplay()->rect().center().y()) <= 1;
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Every control sits where the layout puts it, in the window's own pixels, under its own name.
    void layoutPlacesEveryControl();
    // At start-up no game runs and the built-in picture covers the cells, so a press there starts no drag.
    void startUpIsIdle();
    // Dropping one cell on another exchanges their pieces and images.
    void dragBetweenCellsExchangesThem();
    // A release outside every visible cell does nothing.
    void releaseOutsideACellDropsNothing();
    // The drag pointer is the hand, small where the desktop asks for small pointers, while the button
    // is held; it is given back after, also when the clock hides the cells mid-drag.
    void dragShowsTheHandPointer();
    // A modal dialog that opens during a drag ends it and gives the pointer back.
    void modalDialogEndsTheDrag();
    // A drag over the play area during the preview exchanges nothing.
    void dropDuringThePreviewChangesNothing();
    // New Game during the preview, then Cancel: the whole picture and the partly filled bar stay, the clock stops.
    void newGameCancelledDuringThePreviewKeepsIt();
    // A whole game to a win by real drags, the winning drop in the last second: the bar keeps 249 of 250.
    void wholeGameToAWinInTheLastSecond();
    // The prepared picture is cut into the cells pixel for pixel, scrambled by the window's random source.
    void cellsReproduceThePreparedPicture();
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
    // Exit closes the window, stops the game and ends the program.
    void exitEndsTheProgram();

private:
    QString PathOf(const QString &name) const { return JoinPath(folder->path(), name); }
    // Starts a game of a.jpg through New Game and lets the clock run the given ticks.
    void StartPlaying(int ticks = 0);

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindowDriver> main;
};

void tst_frmMain::init()
{
    PictureLoader::ClearCache();
    folder = std::make_unique<QTemporaryDir>();
    WritePicture(PathOf(QStringLiteral("a.jpg")));
    WritePicture(PathOf(QStringLiteral("b.jpg")), Qt::black);
    main = std::make_unique<MainWindowDriver>();
    main->Window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&main->Window()));
}

void tst_frmMain::cleanup()
{
    main.reset();
    folder.reset();
}

void tst_frmMain::StartPlaying(int ticks)
{
    ImageFolder = folder->path();
    QCOMPARE(main->NewGame(ModalAnswerer::Pick(QStringLiteral("a.jpg"))), QStringList());
    QVERIFY(main->Timer1()->isActive());
    main->Tick(ticks);
}

void tst_frmMain::layoutPlacesEveryControl()
{
    frmMain &window = main->Window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tilora"));
    QCOMPARE(window.size(), QSize(349, 329));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window.windowIcon().isNull());
    const QRect screen = window.screen()->availableGeometry();
    const QPoint offCentre = window.frameGeometry().center() - screen.center();
    QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));

    QWidget *area = main->Picture1();
    QCOMPARE(area->geometry(), QRect(4, 4, 341, 265));
    QCOMPARE(area->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(main->picplay()->parentWidget(), area);
    QCOMPARE(main->picplay()->geometry(), QRect(10, 12, 320, 240));
    for (int i = 0; i < board::Cells; ++i) {
        QCOMPARE(main->PicArr(i)->parentWidget(), area);
        QCOMPARE(main->PicArr(i)->geometry(), QRect(10 + 40 * (i % 8), 12 + 40 * (i / 8), 40, 40));
        QCOMPARE(main->PicArr(i)->Index, i);
    }
    QVERIFY(area->children().indexOf(main->picplay()) > area->children().indexOf(main->PicArr(47)));

    QCOMPARE(main->cmdNewGame()->geometry(), QRect(4, 274, 47, 51));
    QCOMPARE(main->cmdAbout()->geometry(), QRect(54, 274, 46, 50));
    QCOMPARE(main->cmdExit()->geometry(), QRect(104, 274, 46, 50));
    QCOMPARE(main->ProgressBar1()->geometry(), QRect(154, 274, 191, 50));
    for (QPushButton *button : {main->cmdNewGame(), main->cmdAbout(), main->cmdExit()}) {
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->toolTip().isEmpty());
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->accessibleName().isEmpty());
    }

    QCOMPARE(main->Timer1()->timerType(), Qt::PreciseTimer);
    QCOMPARE(main->Timer1()->interval(), 100);

    QLabel *label = main->lblGameResult();
    QCOMPARE(label->parentWidget(), main->picplay());
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pointSizeF(), 15.75);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void tst_frmMain::startUpIsIdle()
{
    QCOMPARE(ImageFolder,
             JoinPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), QStringLiteral("images")));
    QVERIFY(main->picplay()->isVisible());
    QCOMPARE(main->picplay()->Picture(),
             TitleWords::StartPicture(main->Window().devicePixelRatio()));
    QCOMPARE(main->picplay()->Picture().size(), QSize(320, 240));
    for (int i = 0; i < board::Cells; ++i)
        QVERIFY(!main->PicArr(i)->isVisible());
    QVERIFY(!main->lblGameResult()->isVisible());
    QVERIFY(!main->Timer1()->isActive());
    QCOMPARE(main->ProgressBar1()->value(), 0);
    QCOMPARE(main->ProgressBar1()->minimum(), 0);
    QCOMPARE(main->ProgressBar1()->maximum(), 100);

    QCOMPARE(main->Picture1()->childAt(main->PicArr(0)->geometry().center()), main->picplay());
    QTest::mousePress(main->picplay(), Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(main->picplay(), Qt::LeftButton, {}, QPoint(100, 60));
    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(main->PicArr(0)->Picture().isNull());
}

void tst_frmMain::dragBetweenCellsExchangesThem()
{
    StartPlaying(50);
    const QList<int> pieces = main->ShownPieces();
    QList<int> exchanged = pieces;
    exchanged.swapItemsAt(3, 9);

    main->Drag(3, 9);
    QCOMPARE(main->ShownPieces(), exchanged);
    main->Drag(9, 3);
    QCOMPARE(main->ShownPieces(), pieces);
}

void tst_frmMain::releaseOutsideACellDropsNothing()
{
    StartPlaying(50);
    const QList<int> pieces = main->ShownPieces();
    PictureCell *source = main->PicArr(0);
    QWidget *window = &main->Window();
    const QList<QPoint> outside = {
        source->mapFrom(window, main->Picture1()->mapTo(window, QPoint(3, 3))),
        source->mapFrom(window, main->cmdExit()->geometry().center()),
        source->mapFrom(window, main->ProgressBar1()->geometry().center()),
        source->mapFrom(window, QPoint(-50, -50)),
    };
    for (const QPoint &position : outside) {
        QTest::mousePress(source, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(source, Qt::LeftButton, {}, position);
        QCOMPARE(main->ShownPieces(), pieces);
    }
    QTest::mousePress(source, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(source, Qt::RightButton, {}, source->mapFrom(window, main->PicArr(1)->geometry().center()));
    QCOMPARE(main->ShownPieces(), pieces);

    // Another window over the board takes the release, even where a cell lies beneath it.
    QWidget cover;
    cover.setGeometry(QRect(main->PicArr(1)->mapToGlobal(QPoint(0, 0)), QSize(40, 40)));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    main->Drag(0, 1);
    QCOMPARE(main->ShownPieces(), pieces);
    cover.hide();
    main->Drag(0, 1);
    QCOMPARE(main->ShownPieces()[1], pieces[0]);
}

void tst_frmMain::dragShowsTheHandPointer()
{
    StartPlaying(50);
    const QByteArray desktopSize = qgetenv("XCURSOR_SIZE");
    for (const int size : {16, 32}) {
        qputenv("XCURSOR_SIZE", QByteArray::number(size));
        QTest::mousePress(main->PicArr(7), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
        const QImage pointer = QGuiApplication::overrideCursor()->pixmap().toImage();
        QTest::mouseRelease(main->PicArr(7), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(pointer.convertToFormat(QImage::Format_ARGB32), QImage(QStringLiteral(":/art/drag%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32));
    }
    qputenv("XCURSOR_SIZE", desktopSize);

    QTest::mousePress(main->PicArr(7), Qt::LeftButton, {}, QPoint(20, 20));
    main->Tick(2500);
    QVERIFY(!main->PicArr(7)->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void tst_frmMain::modalDialogEndsTheDrag()
{
    StartPlaying(50);
    const QList<int> pieces = main->ShownPieces();
    for (const QKeySequence &key : {QKeySequence(Qt::Key_F1), QKeySequence(QKeySequence::New)}) {
        main->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main->Window()));
        QTest::mousePress(main->PicArr(7), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(QGuiApplication::overrideCursor());
        bool handDuringDialog = true;
        ModalAnswerer answerer([&](QWidget &modal) {
            handDuringDialog = QGuiApplication::overrideCursor() != nullptr;
            modal.close();
        });
        QTest::keySequence(&main->Window(), key);
        QCOMPARE(answerer.Opened.size(), 1);
        QVERIFY(!handDuringDialog);
        QTest::mouseRelease(main->PicArr(7), Qt::LeftButton, {}, QPoint(-20, 20));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(main->ShownPieces(), pieces);
    }
}

void tst_frmMain::dropDuringThePreviewChangesNothing()
{
    StartPlaying(10);
    const QList<int> pieces = main->ShownPieces();
    const QImage whole = main->picplay()->Picture();

    const QPoint cell3 = main->picplay()->mapFrom(main->Picture1(), main->PicArr(3)->geometry().center());
    const QPoint cell9 = main->picplay()->mapFrom(main->Picture1(), main->PicArr(9)->geometry().center());
    QTest::mousePress(main->picplay(), Qt::LeftButton, {}, cell3);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(main->picplay(), Qt::LeftButton, {}, cell9);
    main->Drag(3, 9);

    QVERIFY(main->picplay()->isVisible());
    QCOMPARE(main->picplay()->Picture(), whole);
    QCOMPARE(main->ProgressBar1()->value(), 10);
    main->Tick(40);
    QCOMPARE(main->ShownPieces(), pieces);
    QVERIFY(main->PicArr(3)->isVisible());
}

void tst_frmMain::newGameCancelledDuringThePreviewKeepsIt()
{
    StartPlaying(20);
    const QImage whole = main->picplay()->Picture();
    main->NewGame([](frmSelectImage &chooser) {
        chooser.List1->setCurrentRow(1);
        chooser.cmdCancel->click();
    });

    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(main->picplay()->isVisible());
    QCOMPARE(main->picplay()->Picture(), whole);
    for (int i = 0; i < board::Cells; ++i)
        QVERIFY(!main->PicArr(i)->isVisible());
    QVERIFY(!main->lblGameResult()->isVisible());
    QCOMPARE(main->ProgressBar1()->maximum(), 50);
    QCOMPARE(main->ProgressBar1()->value(), 20);
}

void tst_frmMain::wholeGameToAWinInTheLastSecond()
{
    StartPlaying(50);
    const QList<QPair<int, int>> drags = main->DragsThatSolve();
    for (qsizetype i = 0; i + 1 < drags.size(); ++i)
        main->Drag(drags[i].first, drags[i].second);
    // Ticks 51 to 2540 use up 249 of the 250 seconds; tick 2550 would end the game.
    main->Tick(2490);
    QCOMPARE(main->ProgressBar1()->value(), 249);
    QVERIFY(main->Timer1()->isActive());
    QVERIFY(!main->lblGameResult()->isVisible());

    main->Tick(9);
    main->Drag(drags.last().first, drags.last().second);

    QVERIFY(main->lblGameResult()->isVisible());
    QCOMPARE(main->lblGameResult()->text(), QStringLiteral("Congratulation, You Win!"));
    QVERIFY(LabelFitsAndIsCentred(*main));
    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(main->picplay()->isVisible());
    QVERIFY(!main->PicArr(0)->isVisible());
    QCOMPARE(main->ProgressBar1()->maximum(), 250);
    QCOMPARE(main->ProgressBar1()->value(), 249);
    QCOMPARE(main->ShownPieces(), InOrder());
}

void tst_frmMain::cellsReproduceThePreparedPicture()
{
    const std::array<int, board::Cells> scramble = main->NextScramble();
    StartPlaying();
    QCOMPARE(main->picplay()->Picture().size(), QSize(320, 240));
    QCOMPARE(main->ShownPieces(), QList<int>(scramble.begin(), scramble.end()));
    QVERIFY(main->ShownPieces() != InOrder());
}

void tst_frmMain::wholeGameToALoss()
{
    StartPlaying();
    QCOMPARE(main->ProgressBar1()->maximum(), 50);
    main->Tick(49);
    QCOMPARE(main->ProgressBar1()->value(), 49);
    QVERIFY(main->picplay()->isVisible());
    QVERIFY(!main->PicArr(0)->isVisible());

    main->Tick(1);
    QCOMPARE(main->ProgressBar1()->maximum(), 250);
    QCOMPARE(main->ProgressBar1()->value(), 0);
    QVERIFY(!main->picplay()->isVisible());
    QVERIFY(main->PicArr(47)->isVisible());

    main->Tick(9);
    QCOMPARE(main->ProgressBar1()->value(), 0);
    main->Tick(1);
    QCOMPARE(main->ProgressBar1()->value(), 1);
    QVERIFY(main->Timer1()->isActive());

    main->Tick(2489);
    QVERIFY(!main->lblGameResult()->isVisible());
    main->Tick(1);
    QCOMPARE(main->ProgressBar1()->value(), 250);
    QVERIFY(main->lblGameResult()->isVisible());
    QCOMPARE(main->lblGameResult()->text(), QStringLiteral("Sorry, You Fail!"));
    QVERIFY(LabelFitsAndIsCentred(*main));
    QVERIFY(main->picplay()->isVisible());
    QVERIFY(!main->PicArr(0)->isVisible());
    QVERIFY(!main->Timer1()->isActive());
}

void tst_frmMain::unloadablePictureChangesNothing()
{
    StartPlaying(75);
    QFile bad(PathOf(QStringLiteral("bad.jpg")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("this is no picture at all");
    bad.close();
    const QList<int> pieces = main->ShownPieces();
    const QImage whole = main->picplay()->Picture();
    const QImage cell = main->PicArr(0)->Picture();

    const QString warning = main->NewGame(ModalAnswerer::Pick(QStringLiteral("bad.jpg"))).value(0);

    QVERIFY2(warning.contains(QStringLiteral("bad.jpg")), qPrintable(warning));
    QCOMPARE(main->ShownPieces(), pieces);
    QCOMPARE(main->ProgressBar1()->maximum(), 250);
    QCOMPARE(main->ProgressBar1()->value(), 2);
    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(main->PicArr(0)->isVisible());
    QVERIFY(!main->picplay()->isVisible());
    QVERIFY(!main->lblGameResult()->isVisible());
    QCOMPARE(main->picplay()->Picture(), whole);
    QCOMPARE(main->PicArr(0)->Picture(), cell);
}

void tst_frmMain::cancelledNewGamePauses()
{
    StartPlaying(64);
    const QList<int> pieces = main->ShownPieces();
    main->NewGame(ModalAnswerer::Cancel());

    QVERIFY(!main->Timer1()->isActive());
    QCOMPARE(main->ShownPieces(), pieces);
    QCOMPARE(main->ProgressBar1()->value(), 1);
    QVERIFY(main->PicArr(0)->isVisible());
    main->Drag(0, 1);
    QCOMPARE(main->ShownPieces()[0], pieces[1]);
    QVERIFY(!main->Timer1()->isActive());
}

void tst_frmMain::newGameWithoutSelectionStartsNothing()
{
    ImageFolder = folder->path();
    const QImage startUp = main->picplay()->Picture();
    main->NewGame([](frmSelectImage &chooser) {
        QCOMPARE(chooser.List1->count(), 2);
        chooser.cmdOK->click();
    });
    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(main->picplay()->isVisible());
    QCOMPARE(main->picplay()->Picture(), startUp);
}

void tst_frmMain::newGameStartsTheChosenPicture()
{
    ImageFolder = folder->path();
    const QImage chosen = PictureLoader::Prepare(PathOf(QStringLiteral("a.jpg")), PlaySize() * main->Window().devicePixelRatio()).image;
    for (int round = 0; round < 2; ++round) {
        bool freshChooser = false;
        main->NewGame([&](frmSelectImage &chooser) {
            freshChooser = chooser.ListIndex() == -1 && chooser.Tag.isEmpty() && chooser.List1->count() == 2;
            chooser.List1->setCurrentRow(1);
            chooser.List1->setCurrentRow(0);
            chooser.cmdOK->click();
        });
        QVERIFY(freshChooser);
        QCOMPARE(main->picplay()->Picture(), chosen);
        QVERIFY(main->Timer1()->isActive());
        QVERIFY(main->picplay()->isVisible());
        QCOMPARE(main->ProgressBar1()->maximum(), 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSelectImage *>(widget));
        // The clock starts afresh: its first tick fills one fiftieth of the bar.
        main->Tick(1);
        QCOMPARE(main->ProgressBar1()->value(), 1);
        main->Tick(59);
    }
}

void tst_frmMain::clockRunsBehindAbout()
{
    StartPlaying();
    int barBehindAbout = -1;
    ModalAnswerer answerer([&](QWidget &modal) {
        QVERIFY(qobject_cast<frmAbout *>(&modal));
        const int before = main->ProgressBar1()->value();
        main->Tick(3);
        barBehindAbout = main->ProgressBar1()->value() - before;
        modal.close();
    });
    main->cmdAbout()->click();
    QCOMPARE(barBehindAbout, 3);
    QVERIFY(main->Timer1()->isActive());
}

void tst_frmMain::exitEndsTheProgram()
{
    StartPlaying(80);
    main->cmdExit()->click();
    QVERIFY(!main->Window().isVisible());
    QVERIFY(!main->Timer1()->isActive());
    QVERIFY(!main->picplay()->isHidden());
    QVERIFY(main->PicArr(0)->isHidden());
    // The program ends with its last window; the end-to-end test checks the exit status.
    QVERIFY(QApplication::quitOnLastWindowClosed());
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
