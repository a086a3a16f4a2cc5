// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Board.h"

#include <functional>
#include <string>

// One game's phases and clock, on top of the board.
namespace game {

// The progress bar's numbers; a value outside a new range is clamped into it.
class ProgressBarState {
public:
    float Min = 0;
    float Max = 100;
    float Value = 0;

    void SetMin(float min);
    void SetMax(float max);
    void SetValue(float value);

private:
    void Clamp();
};

// Where a game stands. What is shown follows from it: the whole picture covers the cells except in
// play, or in a pause that began in play; the result shows once the game is won or lost.
enum class Phase { Idle, Preview, Play, Paused, Won, Lost };

// Told of every change the rules make, so a view can follow them without asking.
class GameFlowListener {
public:
    virtual ~GameFlowListener() = default;
    // A fresh scramble: every cell shows a new piece.
    virtual void BoardDealt() = 0;
    // Cells a and b exchanged their pieces.
    virtual void PiecesSwapped(int a, int b) = 0;
    // The phase, the counters or the bar changed.
    virtual void StateChanged() = 0;
};

// The rules of one game from start to result. They own the game's state; a view reads it and
// sends the player's intents: start, tick, drop and pause.
class GameFlow {
public:
    static constexpr int PreviewTicks = 50;
    static constexpr int TicksPerUnit = 10;
    static constexpr int PlayUnits = 250;
    static constexpr const char *InitialText = "You Win!";
    static constexpr const char *WinText = "Congratulation, You Win!";
    static constexpr const char *LossText = "Sorry, You Fail!";

    GameFlow(board::RandomSource &random, std::function<float()> clock);

    void SetListener(GameFlowListener *listener);

    Phase phase() const { return current; }
    const board::Board &board() const { return tiles; }
    int TickCount() const { return tickCount; }
    int TimeLeft() const { return timeLeft; }
    const ProgressBarState &ProgressBar1() const { return bar; }
    bool TimerEnabled() const;
    bool CellsVisible() const;
    bool ResultVisible() const;
    std::string ResultText() const;

    // Call only once the picture is prepared, so a bad file changes nothing.
    void StartGame();
    // Ticks count only while the clock runs.
    void Timer1_Timer();
    // A drop counts only where the cells are shown.
    void PicArr_DragDrop(int index, int source);
    // Stops the clock of a game in its preview or play; the board stays as it is.
    void Pause();
    // The window is closing: the counters are zeroed and no game runs any more.
    void Unload();

private:
    void StateChanged();

    board::RandomSource &random;
    std::function<float()> clock;
    GameFlowListener *listener = nullptr;
    Phase current = Phase::Idle;
    board::Board tiles;
    int tickCount = 0;
    int timeLeft = 0;
    ProgressBarState bar;
};

} // namespace game
