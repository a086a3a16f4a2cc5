// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameFlow.h"

#include <algorithm>
#include <utility>

namespace game {

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

GameFlow::GameFlow(board::RandomSource &random, std::function<float()> clock)
    : random(random)
    , clock(std::move(clock))
{
}

void GameFlow::SetListener(GameFlowListener *listener)
{
    this->listener = listener;
}

bool GameFlow::TimerEnabled() const
{
    return current == Phase::Preview || current == Phase::Play;
}

// A pause keeps whatever was shown: the cells only once the preview was over.
bool GameFlow::CellsVisible() const
{
    return current == Phase::Play || (current == Phase::Paused && tickCount >= PreviewTicks);
}

bool GameFlow::ResultVisible() const
{
    return current == Phase::Won || current == Phase::Lost;
}

std::string GameFlow::ResultText() const
{
    if (current == Phase::Won)
        return WinText;
    if (current == Phase::Lost)
        return LossText;
    return InitialText;
}

void GameFlow::StartGame()
{
    bar.SetMin(0);
    bar.SetMax(PreviewTicks);
    timeLeft = PlayUnits;
    tiles.InitPieces();
    tiles.ShufflePieces(random, clock);
    if (listener)
        listener->BoardDealt();
    current = Phase::Preview;
    timeLeft = PlayUnits;
    tickCount = 0;
    StateChanged();
}

void GameFlow::Timer1_Timer()
{
    if (!TimerEnabled())
        return;
    const int t = ++tickCount;
    if (t < PreviewTicks) {
        bar.SetValue(float(t));
    } else if (t == PreviewTicks) {
        current = Phase::Play;
        bar.SetMin(0);
        bar.SetMax(PlayUnits);
        bar.SetValue(0);
    } else if (t % TicksPerUnit == 0) {
        --timeLeft;
        bar.SetValue(float(PlayUnits - timeLeft));
        if (timeLeft == 0)
            current = Phase::Lost;
    }
    StateChanged();
}

void GameFlow::PicArr_DragDrop(int index, int source)
{
    const auto onBoard = [](int cell) { return cell >= 0 && cell < board::Cells; };
    if (!CellsVisible() || !onBoard(index) || !onBoard(source))
        return;
    tiles.SwapPieces(index, source);
    if (listener)
        listener->PiecesSwapped(index, source);
    if (tiles.CheckSolved()) {
        current = Phase::Won;
        StateChanged();
    }
}

void GameFlow::Pause()
{
    if (!TimerEnabled())
        return;
    current = Phase::Paused;
    StateChanged();
}

void GameFlow::Unload()
{
    tickCount = 0;
    timeLeft = 0;
    current = Phase::Idle;
    StateChanged();
}

void GameFlow::StateChanged()
{
    if (listener)
        listener->StateChanged();
}

} // namespace game
