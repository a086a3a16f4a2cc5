// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/ModalAnswerer.h"
#include "windows/PictureCell.h"
#include "windows/frmMain.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstdint>

// The one way tests reach the main window: its scramble drawn from a pinned random source, its
// controls found by name, its clock ticked by the test and its cells dragged with the mouse.
class MainWindowDriver {
public:
    explicit MainWindowDriver(std::uint64_t seed = 1);

    frmMain &Window() { return window; }
    QWidget *Picture1() const { return Find(QStringLiteral("Picture1")); }
    PictureBox *picplay() const { return Find<PictureBox>(QStringLiteral("picplay")); }
    QLabel *lblGameResult() const { return Find<QLabel>(QStringLiteral("lblGameResult")); }
    PictureCell *PicArr(int index) const { return Find<PictureCell>(QStringLiteral("PicArr(%1)").arg(index)); }
    QPushButton *cmdNewGame() const { return Find<QPushButton>(QStringLiteral("cmdNewGame")); }
    QPushButton *cmdAbout() const { return Find<QPushButton>(QStringLiteral("cmdAbout")); }
    QPushButton *cmdExit() const { return Find<QPushButton>(QStringLiteral("cmdExit")); }
    QProgressBar *ProgressBar1() const { return Find<QProgressBar>(QStringLiteral("ProgressBar1")); }
    QTimer *Timer1() const { return Find<QTimer>(QStringLiteral("Timer1")); }

    // New Game, the chooser answered by the choice and any other dialog by its default button.
    // Returns the texts of the message boxes shown, or "no chooser" when none opened.
    QStringList NewGame(const ModalAnswerer::Choice &choice);
    // Ticks as the running timer delivers them; a stopped timer delivers none.
    void Tick(int count = 1);
    // A left press on one cell and its release over the middle of another.
    void Drag(int from, int to);
    // The piece each cell shows, told by comparing its image with the prepared picture; -1 for none.
    QList<int> ShownPieces() const;
    // The drags that put every piece in its place, the last of them the one that completes the picture.
    QList<QPair<int, int>> DragsThatSolve() const;
    // The board the next game will deal.
    std::array<int, board::Cells> NextScramble() const;

private:
    // Any fixed reading: reseeding still mixes it anew into every pass.
    static constexpr float ClockReading = 43200.25f;

    template <typename Child = QWidget>
    Child *Find(const QString &name) const { return window.findChild<Child *>(name); }

    board::MixingRandom random;
    frmMain window;
};
