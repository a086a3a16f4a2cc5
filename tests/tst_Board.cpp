// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Board.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace board;

namespace {

// Hands out a fixed list of draws and records every reseed.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> draws)
        : draws(std::move(draws))
    {
    }
    void Reseed(float seconds) override { reseeds.push_back(seconds); }
    double Next() override { return draws[next++ % draws.size()]; }

    std::vector<double> draws;
    std::vector<float> reseeds;
    std::size_t next = 0;
};

// Passes every draw through, so a test can see what a real generator produced.
class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(RandomSource &inner)
        : inner(inner)
    {
    }
    void Reseed(float seconds) override { inner.Reseed(seconds); }
    double Next() override
    {
        draws.push_back(inner.Next());
        return draws.back();
    }

    RandomSource &inner;
    std::vector<double> draws;
};

float FixedClock()
{
    return 45296.25f;
}

bool IsPermutation(const std::array<int, Cells> &pieces)
{
    std::array<int, Cells> sorted = pieces;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < Cells; ++i) {
        if (sorted[i] != i)
            return false;
    }
    return true;
}

} // namespace

class tst_Board : public QObject {
    Q_OBJECT

private slots:
    // Pieces are numbered row by row from the top-left, 40 pixels apart.
    void pieceOriginFollowsTheNumbering_data();
    void pieceOriginFollowsTheNumbering();
    // A fresh board is in order and before the first game both arrays are zero.
    void initPiecesPutsEveryPieceInItsCell();
    // Exchanging a cell with itself is harmless and two exchanges undo each other.
    void swapPiecesExchangesTwoCells();
    // One misplaced pair anywhere, even the last two cells, means not solved.
    void checkSolvedFindsTheLastDifference();
    // r × 48 − 0.1 truncated toward zero keeps every draw on the board and favours cell 0.
    void drawPositionTruncatesTowardZero_data();
    void drawPositionTruncatesTowardZero();
    // The scramble makes 49 passes, each reseeding from the clock and drawing two positions.
    void shuffleReseedsOncePerPass();
    // Passes that draw equal positions change nothing, so the board may stay in order.
    void shuffleOfEqualDrawsLeavesTheBoardInOrder();
    // Reseeding with the same clock value mixes into the state instead of restarting it.
    void sameClockValueStillGivesDifferentPairs();
    // The scramble is a pure function of the generator's state and the clock.
    void shuffleOutputIsPinned();
};

void tst_Board::pieceOriginFollowsTheNumbering_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("first") << 0 << 0 << 0;
    QTest::newRow("end of first row") << 7 << 280 << 0;
    QTest::newRow("start of second row") << 8 << 0 << 40;
    QTest::newRow("middle") << 19 << 120 << 80;
    QTest::newRow("last") << 47 << 280 << 200;
}

void tst_Board::pieceOriginFollowsTheNumbering()
{
    QFETCH(int, piece);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(PieceOrigin(piece), (Point{x, y}));
}

void tst_Board::initPiecesPutsEveryPieceInItsCell()
{
    Board board;
    QVERIFY(std::all_of(board.PieceAt().begin(), board.PieceAt().end(), [](int p) { return p == 0; }));
    QVERIFY(std::all_of(board.SolvedPieceAt().begin(), board.SolvedPieceAt().end(), [](int p) { return p == 0; }));

    board.InitPieces();
    board.SwapPieces(4, 17);
    board.InitPieces();
    for (int i = 0; i < Cells; ++i) {
        QCOMPARE(board.PieceAt()[i], i);
        QCOMPARE(board.SolvedPieceAt()[i], i);
    }
    QVERIFY(board.CheckSolved());
}

void tst_Board::swapPiecesExchangesTwoCells()
{
    Board board;
    board.InitPieces();
    board.SwapPieces(5, 5);
    QVERIFY(board.CheckSolved());

    board.SwapPieces(3, 9);
    QCOMPARE(board.PieceAt()[3], 9);
    QCOMPARE(board.PieceAt()[9], 3);
    QVERIFY(!board.CheckSolved());

    board.SwapPieces(9, 3);
    QVERIFY(board.CheckSolved());
}

void tst_Board::checkSolvedFindsTheLastDifference()
{
    Board board;
    board.InitPieces();
    board.SwapPieces(46, 47);
    QVERIFY(!board.CheckSolved());
    board.SwapPieces(0, 1);
    board.SwapPieces(46, 47);
    QVERIFY(!board.CheckSolved());
}

void tst_Board::drawPositionTruncatesTowardZero_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("position");
    QTest::newRow("zero gives -0.1, truncated to 0") << 0.0 << 0;
    QTest::newRow("just below 1.1/48") << 1.09 / 48 << 0;
    QTest::newRow("just above 1.1/48") << 1.11 / 48 << 1;
    QTest::newRow("middle") << 0.5 << 23;
    QTest::newRow("just below 47.1/48") << 47.09 / 48 << 46;
    QTest::newRow("largest draw") << std::nextafter(1.0, 0.0) << 47;
}

void tst_Board::drawPositionTruncatesTowardZero()
{
    QFETCH(double, r);
    QFETCH(int, position);
    QCOMPARE(DrawPosition(r), position);
}

void tst_Board::shuffleReseedsOncePerPass()
{
    ScriptedRandom random({0.10, 0.90, 0.30});
    float now = 100.0f;
    Board board;
    board.InitPieces();
    board.ShufflePieces(random, [&] { return now += 0.5f; });

    QCOMPARE(random.reseeds.size(), std::size_t(ShufflePasses));
    QCOMPARE(random.reseeds.front(), 100.5f);
    QCOMPARE(random.reseeds.back(), 100.0f + 0.5f * ShufflePasses);
    QCOMPARE(random.next, std::size_t(2 * ShufflePasses));
    QVERIFY(IsPermutation(board.PieceAt()));
}

void tst_Board::shuffleOfEqualDrawsLeavesTheBoardInOrder()
{
    ScriptedRandom random({0.25, 0.25, 0.75, 0.75, 0.0, 0.01});
    Board board;
    board.InitPieces();
    board.ShufflePieces(random, FixedClock);
    QVERIFY(board.CheckSolved());
}

void tst_Board::sameClockValueStillGivesDifferentPairs()
{
    MixingRandom generator(7);
    RecordingRandom random(generator);
    Board board;
    board.InitPieces();
    board.ShufflePieces(random, FixedClock);

    QCOMPARE(random.draws.size(), std::size_t(2 * ShufflePasses));
    std::vector<std::pair<int, int>> pairs;
    for (std::size_t i = 0; i < random.draws.size(); i += 2)
        pairs.emplace_back(DrawPosition(random.draws[i]), DrawPosition(random.draws[i + 1]));
    std::sort(pairs.begin(), pairs.end());
    const auto distinct = std::unique(pairs.begin(), pairs.end()) - pairs.begin();
    QVERIFY2(distinct > 40, qPrintable(QString::number(distinct)));
    QVERIFY(!board.CheckSolved());
}

void tst_Board::shuffleOutputIsPinned()
{
    MixingRandom random(20261207);
    Board board;
    board.InitPieces();
    board.ShufflePieces(random, FixedClock);

    const std::array<int, Cells> expected{21, 44, 34, 40, 33, 47, 3, 35, 8, 38, 10, 5, 28, 20, 32, 15,
                                          27, 24, 43, 19, 16, 25, 17, 9, 31, 42, 4, 1, 12, 29, 30, 39,
                                          14, 13, 6, 45, 36, 26, 23, 22, 37, 11, 0, 2, 46, 41, 7, 18};
    QCOMPARE(board.PieceAt(), expected);
}

QTEST_APPLESS_MAIN(tst_Board)
#include "tst_Board.moc"
