// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameFlow.h"

#include <algorithm>
#include <utility>

namespace board {

void ProgressBarState::SetMin(float min)
{
    Min = min;
    Max = std::max(Max, Min);
    Clamp();
}

void ProgressBarState::SetMax(float max)
{
    Max = max;
    Min = std::min(Min, Max);
    Clamp();
}

void ProgressBarState::SetValue(float value)
{
    Value = value;
    Clamp();
}

void ProgressBarState::Clamp()
{
    Value = std::clamp(Value, Min, Max);
}

GameFlow::GameFlow(RandomSource &random, std::function<float()> clock)
    : random(random)
    , clock(std::move(clock))
{
}

void GameFlow::StartGame()
{
    ResultVisible = false;
    ProgressBar1.SetMin(0);
    ProgressBar1.SetMax(PreviewTicks);
    TimeLeft = PlayUnits;
    board.InitPieces();
    board.ShufflePieces(random, clock);
    ShowWholePicture(true);
    TimeLeft = PlayUnits;
    TickCount = 0;
    TimerEnabled = true;
}

void GameFlow::Timer1_Timer()
{
    const int t = ++TickCount;
    if (t < PreviewTicks) {
        ProgressBar1.SetValue(float(t));
    } else if (t == PreviewTicks) {
        ShowWholePicture(false);
        ProgressBar1.SetMin(0);
        ProgressBar1.SetMax(PlayUnits);
        ProgressBar1.SetValue(0);
    } else if (t % TicksPerUnit == 0) {
        --TimeLeft;
        ProgressBar1.SetValue(float(PlayUnits - TimeLeft));
        if (TimeLeft == 0) {
            ShowGameResult(false);
            ShowWholePicture(true);
            TimerEnabled = false;
        }
    }
}

void GameFlow::PicArr_DragDrop(int index, int source)
{
    board.SwapPieces(index, source);
    if (board.CheckSolved()) {
        ShowWholePicture(true);
        TimerEnabled = false;
        ShowGameResult(true);
    }
}

void GameFlow::ShowWholePicture(bool whole)
{
    PicplayVisible = whole;
    CellsVisible = !whole;
}

void GameFlow::ShowGameResult(bool won)
{
    ResultText = won ? WinText : LossText;
    ResultVisible = true;
}

void GameFlow::Unload()
{
    TickCount = 0;
    TimeLeft = 0;
}

} // namespace board
