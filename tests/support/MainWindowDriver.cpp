// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindowDriver.h"

#include <QCoreApplication>
#include <QTest>

MainWindowDriver::MainWindowDriver(std::uint64_t seed)
    : random(seed)
    , window(random, [] { return ClockReading; })
{
}

QStringList MainWindowDriver::NewGame(const ModalAnswerer::Choice &choice)
{
    const ModalAnswerer answerer(ModalAnswerer::AsPlayer(choice));
    cmdNewGame()->click();
    return answerer.Answered("frmSelectImage") == 1 ? answerer.Messages : QStringList{QStringLiteral("no chooser")};
}

// The event the event loop would deliver, without waiting for it.
void MainWindowDriver::Tick(int count)
{
    QTimer *timer = Timer1();
    for (int i = 0; i < count && timer->isActive(); ++i) {
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
}

void MainWindowDriver::Drag(int from, int to)
{
    PictureCell *source = PicArr(from);
    const QPoint middle(board::PieceEdge / 2, board::PieceEdge / 2);
    QTest::mousePress(source, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(source, Qt::LeftButton, {}, source->mapFromGlobal(PicArr(to)->mapToGlobal(middle)));
}

QList<int> MainWindowDriver::ShownPieces() const
{
    const QImage prepared = picplay()->Picture().convertToFormat(QImage::Format_RGB32);
    QList<QImage> pieces;
    for (int piece = 0; piece < board::Cells; ++piece) {
        const board::Point origin = board::PieceOrigin(piece);
        pieces += prepared.copy(origin.x, origin.y, board::PieceEdge, board::PieceEdge);
    }
    QList<int> shown;
    for (int cell = 0; cell < board::Cells; ++cell)
        shown += int(pieces.indexOf(PicArr(cell)->Picture().convertToFormat(QImage::Format_RGB32)));
    return shown;
}

QList<QPair<int, int>> MainWindowDriver::DragsThatSolve() const
{
    QList<int> shown = ShownPieces();
    QList<QPair<int, int>> drags;
    for (int cell = 0; cell < board::Cells; ++cell) {
        const int source = int(shown.indexOf(cell));
        if (source != cell) {
            drags.append({source, cell});
            shown.swapItemsAt(source, cell);
        }
    }
    if (drags.isEmpty())
        drags.append({0, 0});
    return drags;
}

// The window draws from the same source with the same clock, so a copy of the source deals alike.
std::array<int, board::Cells> MainWindowDriver::NextScramble() const
{
    board::MixingRandom copy = random;
    board::Board next;
    next.InitPieces();
    next.ShufflePieces(copy, [] { return ClockReading; });
    return next.PieceAt();
}
