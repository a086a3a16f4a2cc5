// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/GameFlow.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class PictureBox;
class PictureCell;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The main window: draws the game and forwards the player's input to its rules. Each control's
// object name is its name here ("picplay", "cmdNewGame", "Timer1"...), the cells' "PicArr(0)" to "PicArr(47)".
class frmMain : public QWidget, private game::GameFlowListener {
    Q_OBJECT

public:
    // Every scramble draws from random, reseeded from clock's seconds since midnight.
    frmMain(board::RandomSource &random, std::function<float()> clock, QWidget *parent = nullptr);

    void setVisible(bool visible) override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void CreatePlayArea();
    void CreateResultLabel();
    void CreateCommands();
    void CreateClock();
    void CreateShortcuts();
    void StartGame();
    void Timer1_Timer();
    void PicArr_DragDrop(int Index, QWidget *Source, float X, float Y);
    void DrawPiece(int piece, int cell);
    void cmdNewGame_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    // The cell under a screen position, or null where no visible cell is.
    PictureCell *CellAt(QPoint globalPosition) const;
    void CellReleased(PictureCell *source, QPoint globalPosition);
    void BoardDealt() override;
    void PiecesSwapped(int a, int b) override;
    void StateChanged() override;
    void ShowResultLabel();

    QWidget *Picture1 = nullptr;
    PictureBox *picplay = nullptr;
    QLabel *lblGameResult = nullptr;
    std::array<PictureCell *, board::Cells> PicArr{};
    QPushButton *cmdNewGame = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdExit = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;

    game::GameFlow Game;
    QString PicturePath;
};
