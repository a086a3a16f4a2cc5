// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Board.h"

#include <functional>
#include <string>

namespace board {

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

// The rules of one game from start to result. The window draws what this decides:
// it paints the cells after StartGame and carries their images along on a drop.
class GameFlow {
public:
    static constexpr int PreviewTicks = 50;
    static constexpr int TicksPerUnit = 10;
    static constexpr int PlayUnits = 250;
    static constexpr const char *InitialText = "You Win!";
    static constexpr const char *WinText = "Congratulation, You Win!";
    static constexpr const char *LossText = "Sorry, You Fail!";

    GameFlow(RandomSource &random, std::function<float()> clock);

    Board board;
    int TickCount = 0;
    int TimeLeft = 0;
    bool TimerEnabled = false;
    bool PicplayVisible = true;
    bool CellsVisible = false;
    bool ResultVisible = false;
    std::string ResultText = InitialText;
    ProgressBarState ProgressBar1;

    // Call only once the picture is prepared, so a bad file changes nothing.
    void StartGame();
    void Timer1_Timer();
    void PicArr_DragDrop(int index, int source);
    void ShowWholePicture(bool whole);
    void ShowGameResult(bool won);
    void Unload();

private:
    RandomSource &random;
    std::function<float()> clock;
};

} // namespace board
