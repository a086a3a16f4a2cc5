// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>

// The board's rules, free of any toolkit: which piece each cell shows and which belongs there.
namespace board {

inline constexpr int Columns = 8;
inline constexpr int Rows = 6;
inline constexpr int Cells = Columns * Rows;
inline constexpr int PieceEdge = 40;
inline constexpr int PictureWidth = Columns * PieceEdge;
inline constexpr int PictureHeight = Rows * PieceEdge;
inline constexpr int ShufflePasses = 49;

struct Point {
    int x;
    int y;
    bool operator==(const Point &) const = default;
};

// Top-left corner of a piece in the prepared picture, in picture pixels.
Point PieceOrigin(int piece);

// Uniform values in [0, 1); reseeding mixes into the current state instead of restarting it,
// so passes that read the same clock value still draw different numbers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed(float seconds) = 0;
    virtual double Next() = 0;
};

class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t state = 0x853c49e6748fea9bULL);
    void Reseed(float seconds) override;
    double Next() override;

private:
    std::uint64_t state;
};

// Seconds since local midnight, with the fraction.
float SecondsSinceMidnight();

// r × 48 − 0.1 truncated toward zero: always 0..47, with 0 slightly favoured on purpose.
int DrawPosition(double r);

// Read freely; changed only by its operations, so PieceAt stays a permutation once filled.
class Board {
public:
    const std::array<int, Cells> &PieceAt() const { return pieceAt; }
    const std::array<int, Cells> &SolvedPieceAt() const { return solvedPieceAt; }

    void InitPieces();
    void ShufflePieces(RandomSource &random, const std::function<float()> &clock);
    void SwapPieces(int a, int b);
    bool CheckSolved() const;

private:
    std::array<int, Cells> pieceAt{};
    std::array<int, Cells> solvedPieceAt{};
};

} // namespace board
