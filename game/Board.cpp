// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Board.h"

#include <bit>
#include <chrono>
#include <ctime>
#include <utility>

namespace board {

Point PieceOrigin(int piece)
{
    const int row = piece / Columns;
    const int column = piece - Columns * row;
    return {column * PieceEdge, row * PieceEdge};
}

MixingRandom::MixingRandom(std::uint64_t state)
    : state(state)
{
}

void MixingRandom::Reseed(float seconds)
{
    state ^= std::uint64_t(std::bit_cast<std::uint32_t>(seconds)) * 0x9e3779b97f4a7c15ULL;
}

// splitmix64: small, fast, and well mixed even from nearby states.
double MixingRandom::Next()
{
    state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return double(z >> 11) * 0x1.0p-53;
}

float SecondsSinceMidnight()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto fraction = std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(seconds));
    return float(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction.count());
}

int DrawPosition(double r)
{
    return int(r * Cells - 0.1);
}

void Board::InitPieces()
{
    for (int i = 0; i < Cells; ++i) {
        solvedPieceAt[i] = i;
        pieceAt[i] = i;
    }
}

void Board::ShufflePieces(RandomSource &random, const std::function<float()> &clock)
{
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        random.Reseed(clock());
        const int a = DrawPosition(random.Next());
        const int b = DrawPosition(random.Next());
        if (a != b)
            SwapPieces(a, b);
    }
}

void Board::SwapPieces(int a, int b)
{
    std::swap(pieceAt[a], pieceAt[b]);
}

bool Board::CheckSolved() const
{
    for (int i = 0; i < Cells; ++i) {
        if (pieceAt[i] != solvedPieceAt[i])
            return false;
    }
    return true;
}

} // namespace board
