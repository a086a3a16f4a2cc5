// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameFlow.h"

#include <QTest>
#include <string>
#include <utility>
#include <vector>

using namespace board;
using namespace game;

namespace {

float FixedClock()
{
    return 3600.0f;
}

// Draws the same position twice in every pass, so the scramble leaves the board in order.
class EqualDraws final : public RandomSource {
public:
    void Reseed(float) override {}
    double Next() override { return 0.5; }
};

// Notes every announcement in order, and checks each against what the rules then let it read.
class RecordingListener final : public GameFlowListener {
public:
    explicit RecordingListener(GameFlow &game)
        : game(game)
    {
        game.SetListener(this);
    }
    void BoardDealt() override { heard.push_back("dealt"); }
    void PiecesSwapped(int a, int b) override { heard.push_back("swapped " + std::to_string(a) + " " + std::to_string(b)); }
    void StateChanged() override { heard.push_back("state " + std::to_string(int(game.phase()))); }

    GameFlow &game;
    std::vector<std::string> heard;
};

void Tick(GameFlow &game, int count)
{
    for (int i = 0; i < count; ++i)
        game.Timer1_Timer();
}

// Puts every piece home by drops, the last one deciding the game.
void SolveByDrops(GameFlow &game)
{
    for (int cell = 0; cell < Cells; ++cell) {
        if (game.board().PieceAt()[cell] == cell)
            continue;
        int source = cell + 1;
        while (game.board().PieceAt()[source] != cell)
            ++source;
        game.PicArr_DragDrop(cell, source);
    }
}

} // namespace

class tst_GameFlow : public QObject {
    Q_OBJECT

private slots:
    // Before the first game neither ticks nor drops move anything, though the empty board looks solved.
    void idleIgnoresTicksAndDrops();
    // The start scrambles the board and enters the preview with the clock running.
    void startGameEntersThePreview();
    // Ticks 1 to 49 only move the bar; tick 50 shows the cells on an empty 0 to 250 bar.
    void previewEndsOnTickFifty();
    // Only every tenth tick after the preview takes a second off the clock.
    void playClockCountsWholeSeconds();
    // The tick that uses up the time shows the loss over the whole picture with a full bar.
    void lastTickLoses();
    // Putting every piece home wins, stops the clock and keeps the bar where it was.
    void dropsThatRestoreTheOrderWin();
    // A win on the very last second counts.
    void winOnTheLastSecond();
    // Dropping 3 on 9 and then 9 on 3 leaves the board as it was.
    void dropsExchangeTwoCells();
    // On an unscrambled board the first drop of a cell onto itself wins.
    void dropOntoItselfOnAnOrderedBoardWins();
    // A pause in play stops the clock; drops still work and can still win.
    void pausedGameStillAcceptsDrops_data();
    void pausedGameStillAcceptsDrops();
    // A pause in the preview keeps the whole picture and the partial bar, and takes no drops.
    void pauseDuringThePreviewKeepsThePicture();
    // Pausing when no clock runs changes nothing, and a new start leaves any phase for the preview.
    void pauseOnlyStopsARunningClock();
    // Once the game is decided, further ticks and drops change nothing.
    void decidedGameIgnoresTicksAndDrops();
    // Cell numbers off the board are refused instead of reaching the board's arrays.
    void dropsOffTheBoardAreRefused();
    // The listener hears the deal before the preview, each exchange, and nothing for a refused intent.
    void listenerHearsEachChange();
    // Restarting from play narrows the bar to 0 to 50 without failing, clamping its value.
    void restartDuringPlayClampsTheBar();
    // Closing the window zeroes the clock counters and stops the game.
    void unloadZeroesTheCounters();
};

void tst_GameFlow::idleIgnoresTicksAndDrops()
{
    MixingRandom random;
    GameFlow game(random, FixedClock);
    RecordingListener listener(game);
    Tick(game, 60);
    game.PicArr_DragDrop(0, 0);
    QCOMPARE(game.phase(), Phase::Idle);
    QCOMPARE(game.TickCount(), 0);
    QVERIFY(!game.ResultVisible());
    QVERIFY(listener.heard.empty());
}

void tst_GameFlow::startGameEntersThePreview()
{
    MixingRandom random(11);
    GameFlow game(random, FixedClock);
    game.StartGame();

    QCOMPARE(game.phase(), Phase::Preview);
    QVERIFY(!game.ResultVisible());
    QVERIFY(!game.CellsVisible());
    QVERIFY(game.TimerEnabled());
    QCOMPARE(game.TickCount(), 0);
    QCOMPARE(game.TimeLeft(), 250);
    QCOMPARE(game.ProgressBar1().Min, 0.0f);
    QCOMPARE(game.ProgressBar1().Max, 50.0f);
    QVERIFY(!game.board().CheckSolved());
}

void tst_GameFlow::previewEndsOnTickFifty()
{
    MixingRandom random(12);
    GameFlow game(random, FixedClock);
    game.StartGame();
    for (int t = 1; t <= 49; ++t) {
        game.Timer1_Timer();
        QCOMPARE(game.ProgressBar1().Value, float(t));
        QCOMPARE(game.phase(), Phase::Preview);
        QVERIFY(!game.CellsVisible());
    }
    game.Timer1_Timer();
    QCOMPARE(game.phase(), Phase::Play);
    QVERIFY(game.CellsVisible());
    QCOMPARE(game.ProgressBar1().Max, 250.0f);
    QCOMPARE(game.ProgressBar1().Value, 0.0f);
    QCOMPARE(game.TimeLeft(), 250);
}

void tst_GameFlow::playClockCountsWholeSeconds()
{
    MixingRandom random(13);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 59);
    QCOMPARE(game.TimeLeft(), 250);
    QCOMPARE(game.ProgressBar1().Value, 0.0f);
    game.Timer1_Timer();
    QCOMPARE(game.TimeLeft(), 249);
    QCOMPARE(game.ProgressBar1().Value, 1.0f);
    Tick(game, 10);
    QCOMPARE(game.TimeLeft(), 248);
    QCOMPARE(game.ProgressBar1().Value, 2.0f);
    QVERIFY(game.TimerEnabled());
}

void tst_GameFlow::lastTickLoses()
{
    MixingRandom random(14);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2549);
    QCOMPARE(game.TimeLeft(), 1);
    QCOMPARE(game.phase(), Phase::Play);
    QVERIFY(!game.ResultVisible());

    game.Timer1_Timer();
    QCOMPARE(game.TimeLeft(), 0);
    QCOMPARE(game.phase(), Phase::Lost);
    QVERIFY(!game.TimerEnabled());
    QVERIFY(game.ResultVisible());
    QCOMPARE(game.ResultText(), std::string("Sorry, You Fail!"));
    QVERIFY(!game.CellsVisible());
    QCOMPARE(game.ProgressBar1().Value, 250.0f);
}

void tst_GameFlow::dropsThatRestoreTheOrderWin()
{
    MixingRandom random(15);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 75);
    SolveByDrops(game);

    QVERIFY(game.board().CheckSolved());
    QCOMPARE(game.phase(), Phase::Won);
    QVERIFY(!game.TimerEnabled());
    QVERIFY(game.ResultVisible());
    QCOMPARE(game.ResultText(), std::string("Congratulation, You Win!"));
    QVERIFY(!game.CellsVisible());
    QCOMPARE(game.ProgressBar1().Value, 2.0f);
}

void tst_GameFlow::winOnTheLastSecond()
{
    MixingRandom random(16);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2549);
    SolveByDrops(game);
    QCOMPARE(game.phase(), Phase::Won);
    QCOMPARE(game.ResultText(), std::string("Congratulation, You Win!"));
    QCOMPARE(game.TimeLeft(), 1);
    QCOMPARE(game.ProgressBar1().Value, 249.0f);
}

void tst_GameFlow::dropsExchangeTwoCells()
{
    MixingRandom random(17);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 50);
    const auto before = game.board().PieceAt();
    game.PicArr_DragDrop(3, 9);
    QCOMPARE(game.board().PieceAt()[3], before[9]);
    QCOMPARE(game.board().PieceAt()[9], before[3]);
    game.PicArr_DragDrop(9, 3);
    QCOMPARE(game.board().PieceAt(), before);
    QCOMPARE(game.phase(), Phase::Play);
}

void tst_GameFlow::dropOntoItselfOnAnOrderedBoardWins()
{
    EqualDraws random;
    GameFlow game(random, FixedClock);
    game.StartGame();
    QVERIFY(game.board().CheckSolved());
    Tick(game, 50);
    QVERIFY(game.CellsVisible());
    QVERIFY(!game.ResultVisible());

    game.PicArr_DragDrop(20, 20);
    QCOMPARE(game.phase(), Phase::Won);
    QCOMPARE(game.ResultText(), std::string("Congratulation, You Win!"));
}

void tst_GameFlow::pausedGameStillAcceptsDrops_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("bar");
    QTest::addColumn<int>("timeLeft");
    QTest::newRow("on the tick that shows the cells") << 50 << 0.0f << 250;
    QTest::newRow("a second into play") << 64 << 1.0f << 249;
}

void tst_GameFlow::pausedGameStillAcceptsDrops()
{
    QFETCH(int, ticks);
    QFETCH(float, bar);
    QFETCH(int, timeLeft);
    MixingRandom random(18);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, ticks);
    game.Pause();
    QCOMPARE(game.phase(), Phase::Paused);
    QVERIFY(!game.TimerEnabled());
    QVERIFY(game.CellsVisible());
    Tick(game, 100);
    QCOMPARE(game.TickCount(), ticks);
    QCOMPARE(game.ProgressBar1().Value, bar);

    const auto pieces = game.board().PieceAt();
    game.PicArr_DragDrop(0, 1);
    QCOMPARE(game.board().PieceAt()[0], pieces[1]);
    SolveByDrops(game);
    QCOMPARE(game.phase(), Phase::Won);
    QCOMPARE(game.TimeLeft(), timeLeft);
    QVERIFY(!game.TimerEnabled());
}

void tst_GameFlow::pauseDuringThePreviewKeepsThePicture()
{
    MixingRandom random(21);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 30);
    game.Pause();
    const auto pieces = game.board().PieceAt();

    QCOMPARE(game.phase(), Phase::Paused);
    QVERIFY(!game.CellsVisible());
    QVERIFY(!game.ResultVisible());
    Tick(game, 40);
    game.PicArr_DragDrop(0, 1);
    QCOMPARE(game.TickCount(), 30);
    QCOMPARE(game.ProgressBar1().Value, 30.0f);
    QCOMPARE(game.ProgressBar1().Max, 50.0f);
    QCOMPARE(game.board().PieceAt(), pieces);
}

void tst_GameFlow::pauseOnlyStopsARunningClock()
{
    MixingRandom random(22);
    GameFlow game(random, FixedClock);
    game.Pause();
    QCOMPARE(game.phase(), Phase::Idle);

    for (Phase from : {Phase::Paused, Phase::Lost}) {
        game.StartGame();
        if (from == Phase::Paused)
            game.Pause();
        else
            Tick(game, 2550);
        QCOMPARE(game.phase(), from);
        game.Pause();
        QCOMPARE(game.phase(), from);
        game.StartGame();
        QCOMPARE(game.phase(), Phase::Preview);
        QCOMPARE(game.TickCount(), 0);
        QVERIFY(game.TimerEnabled());
    }
}

void tst_GameFlow::decidedGameIgnoresTicksAndDrops()
{
    MixingRandom random(23);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2550);
    QCOMPARE(game.phase(), Phase::Lost);
    const auto pieces = game.board().PieceAt();
    Tick(game, 20);
    game.PicArr_DragDrop(0, 1);
    QCOMPARE(game.TickCount(), 2550);
    QCOMPARE(game.TimeLeft(), 0);
    QCOMPARE(game.ProgressBar1().Value, 250.0f);
    QCOMPARE(game.board().PieceAt(), pieces);
    QCOMPARE(game.phase(), Phase::Lost);

    EqualDraws ordered;
    GameFlow won(ordered, FixedClock);
    won.StartGame();
    Tick(won, 50);
    won.PicArr_DragDrop(5, 5);
    QCOMPARE(won.phase(), Phase::Won);
    Tick(won, 10);
    won.PicArr_DragDrop(0, 1);
    QCOMPARE(won.TimeLeft(), 250);
    QVERIFY(won.board().CheckSolved());
}

void tst_GameFlow::dropsOffTheBoardAreRefused()
{
    MixingRandom random(24);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 50);
    const auto pieces = game.board().PieceAt();
    for (const auto &[index, source] : {std::pair{-1, 0}, std::pair{0, Cells}, std::pair{Cells, Cells}})
        game.PicArr_DragDrop(index, source);
    QCOMPARE(game.board().PieceAt(), pieces);
    QCOMPARE(game.phase(), Phase::Play);
}

void tst_GameFlow::listenerHearsEachChange()
{
    EqualDraws random;
    GameFlow game(random, FixedClock);
    RecordingListener listener(game);
    const std::string preview = "state " + std::to_string(int(Phase::Preview));
    const std::string play = "state " + std::to_string(int(Phase::Play));

    game.StartGame();
    QCOMPARE(listener.heard, (std::vector<std::string>{"dealt", preview}));
    game.PicArr_DragDrop(1, 2);
    Tick(game, 50);
    QCOMPARE(listener.heard.size(), std::size_t(52));
    QCOMPARE(listener.heard.back(), play);

    listener.heard.clear();
    game.PicArr_DragDrop(1, 2);
    game.PicArr_DragDrop(2, 1);
    QCOMPARE(listener.heard, (std::vector<std::string>{"swapped 1 2", "swapped 2 1", "state " + std::to_string(int(Phase::Won))}));
}

void tst_GameFlow::restartDuringPlayClampsTheBar()
{
    MixingRandom random(19);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2000);
    QCOMPARE(game.ProgressBar1().Value, 195.0f);

    game.StartGame();
    QCOMPARE(game.ProgressBar1().Max, 50.0f);
    QVERIFY(game.ProgressBar1().Value <= game.ProgressBar1().Max);
    game.Timer1_Timer();
    QCOMPARE(game.ProgressBar1().Value, 1.0f);
    QCOMPARE(game.TimeLeft(), 250);
}

void tst_GameFlow::unloadZeroesTheCounters()
{
    MixingRandom random(20);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 70);
    game.Unload();
    QCOMPARE(game.TickCount(), 0);
    QCOMPARE(game.TimeLeft(), 0);
    QVERIFY(!game.TimerEnabled());
    Tick(game, 10);
    QCOMPARE(game.TickCount(), 0);
}

QTEST_APPLESS_MAIN(tst_GameFlow)
#include "tst_GameFlow.moc"
