// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameFlow.h"

#include <QTest>

using namespace board;

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

void Tick(GameFlow &game, int count)
{
    for (int i = 0; i < count; ++i)
        game.Timer1_Timer();
}

// Puts every piece home by drops, the last one deciding the game.
void SolveByDrops(GameFlow &game)
{
    for (int cell = 0; cell < Cells; ++cell) {
        if (game.board.PieceAt[cell] == cell)
            continue;
        int source = cell + 1;
        while (game.board.PieceAt[source] != cell)
            ++source;
        game.PicArr_DragDrop(cell, source);
    }
}

} // namespace

class tst_GameFlow : public QObject {
    Q_OBJECT

private slots:
    // Before any game the built-in picture covers the cells and the clock is off.
    void idleBeforeTheFirstGame();
    // The start hides the result, scrambles the board and enters the preview.
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
    // With the clock stopped by New Game, drops still work and can still win.
    void pausedGameStillAcceptsDrops();
    // Restarting from play narrows the bar to 0 to 50 without failing, clamping its value.
    void restartDuringPlayClampsTheBar();
    // Closing the window zeroes the clock counters.
    void unloadZeroesTheCounters();
};

void tst_GameFlow::idleBeforeTheFirstGame()
{
    MixingRandom random;
    GameFlow game(random, FixedClock);
    QVERIFY(game.PicplayVisible);
    QVERIFY(!game.CellsVisible);
    QVERIFY(!game.TimerEnabled);
    QVERIFY(!game.ResultVisible);
    QCOMPARE(game.ProgressBar1.Value, 0.0f);
}

void tst_GameFlow::startGameEntersThePreview()
{
    MixingRandom random(11);
    GameFlow game(random, FixedClock);
    game.ResultVisible = true;
    game.StartGame();

    QVERIFY(!game.ResultVisible);
    QVERIFY(game.PicplayVisible);
    QVERIFY(!game.CellsVisible);
    QVERIFY(game.TimerEnabled);
    QCOMPARE(game.TickCount, 0);
    QCOMPARE(game.TimeLeft, 250);
    QCOMPARE(game.ProgressBar1.Min, 0.0f);
    QCOMPARE(game.ProgressBar1.Max, 50.0f);
    QVERIFY(!game.board.CheckSolved());
}

void tst_GameFlow::previewEndsOnTickFifty()
{
    MixingRandom random(12);
    GameFlow game(random, FixedClock);
    game.StartGame();
    for (int t = 1; t <= 49; ++t) {
        game.Timer1_Timer();
        QCOMPARE(game.ProgressBar1.Value, float(t));
        QVERIFY(!game.CellsVisible);
        QVERIFY(game.PicplayVisible);
    }
    game.Timer1_Timer();
    QVERIFY(game.CellsVisible);
    QVERIFY(!game.PicplayVisible);
    QCOMPARE(game.ProgressBar1.Max, 250.0f);
    QCOMPARE(game.ProgressBar1.Value, 0.0f);
    QCOMPARE(game.TimeLeft, 250);
}

void tst_GameFlow::playClockCountsWholeSeconds()
{
    MixingRandom random(13);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 59);
    QCOMPARE(game.TimeLeft, 250);
    QCOMPARE(game.ProgressBar1.Value, 0.0f);
    game.Timer1_Timer();
    QCOMPARE(game.TimeLeft, 249);
    QCOMPARE(game.ProgressBar1.Value, 1.0f);
    Tick(game, 10);
    QCOMPARE(game.TimeLeft, 248);
    QCOMPARE(game.ProgressBar1.Value, 2.0f);
    QVERIFY(game.TimerEnabled);
}

void tst_GameFlow::lastTickLoses()
{
    MixingRandom random(14);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2549);
    QCOMPARE(game.TimeLeft, 1);
    QVERIFY(game.TimerEnabled);
    QVERIFY(!game.ResultVisible);

    game.Timer1_Timer();
    QCOMPARE(game.TimeLeft, 0);
    QVERIFY(!game.TimerEnabled);
    QVERIFY(game.ResultVisible);
    QCOMPARE(game.ResultText, std::string("Sorry, You Fail!"));
    QVERIFY(game.PicplayVisible);
    QVERIFY(!game.CellsVisible);
    QCOMPARE(game.ProgressBar1.Value, 250.0f);
}

void tst_GameFlow::dropsThatRestoreTheOrderWin()
{
    MixingRandom random(15);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 75);
    SolveByDrops(game);

    QVERIFY(game.board.CheckSolved());
    QVERIFY(!game.TimerEnabled);
    QVERIFY(game.ResultVisible);
    QCOMPARE(game.ResultText, std::string("Congratulation, You Win!"));
    QVERIFY(game.PicplayVisible);
    QVERIFY(!game.CellsVisible);
    QCOMPARE(game.ProgressBar1.Value, 2.0f);
}

void tst_GameFlow::winOnTheLastSecond()
{
    MixingRandom random(16);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2549);
    SolveByDrops(game);
    QCOMPARE(game.ResultText, std::string("Congratulation, You Win!"));
    QCOMPARE(game.TimeLeft, 1);
    QCOMPARE(game.ProgressBar1.Value, 249.0f);
}

void tst_GameFlow::dropsExchangeTwoCells()
{
    MixingRandom random(17);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 50);
    const auto before = game.board.PieceAt;
    game.PicArr_DragDrop(3, 9);
    QCOMPARE(game.board.PieceAt[3], before[9]);
    QCOMPARE(game.board.PieceAt[9], before[3]);
    game.PicArr_DragDrop(9, 3);
    QCOMPARE(game.board.PieceAt, before);
    QVERIFY(game.TimerEnabled);
}

void tst_GameFlow::dropOntoItselfOnAnOrderedBoardWins()
{
    EqualDraws random;
    GameFlow game(random, FixedClock);
    game.StartGame();
    QVERIFY(game.board.CheckSolved());
    Tick(game, 50);
    QVERIFY(game.CellsVisible);
    QVERIFY(!game.ResultVisible);

    game.PicArr_DragDrop(20, 20);
    QVERIFY(game.ResultVisible);
    QCOMPARE(game.ResultText, std::string("Congratulation, You Win!"));
}

void tst_GameFlow::pausedGameStillAcceptsDrops()
{
    MixingRandom random(18);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 64);
    game.TimerEnabled = false;
    const int timeLeft = game.TimeLeft;

    SolveByDrops(game);
    QVERIFY(game.ResultVisible);
    QCOMPARE(game.TimeLeft, timeLeft);
    QVERIFY(!game.TimerEnabled);
}

void tst_GameFlow::restartDuringPlayClampsTheBar()
{
    MixingRandom random(19);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 2000);
    QCOMPARE(game.ProgressBar1.Value, 195.0f);

    game.StartGame();
    QCOMPARE(game.ProgressBar1.Max, 50.0f);
    QVERIFY(game.ProgressBar1.Value <= game.ProgressBar1.Max);
    game.Timer1_Timer();
    QCOMPARE(game.ProgressBar1.Value, 1.0f);
    QCOMPARE(game.TimeLeft, 250);
}

void tst_GameFlow::unloadZeroesTheCounters()
{
    MixingRandom random(20);
    GameFlow game(random, FixedClock);
    game.StartGame();
    Tick(game, 70);
    game.Unload();
    QCOMPARE(game.TickCount, 0);
    QCOMPARE(game.TimeLeft, 0);
}

QTEST_APPLESS_MAIN(tst_GameFlow)
#include "tst_GameFlow.moc"
