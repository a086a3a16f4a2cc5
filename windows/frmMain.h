// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/GameFlow.h"

#include <QString>
#include <QWidget>
#include <array>

class PictureBox;
class PictureCell;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The main window: draws the game and forwards the player's input to its rules.
class frmMain : public QWidget, private board::GameFlowListener {
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

    QWidget *Picture1 = nullptr;
    PictureBox *picplay = nullptr;
    QLabel *lblGameResult = nullptr;
    std::array<PictureCell *, board::Cells> PicArr{};
    QPushButton *cmdNewGame = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdExit = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;

    board::MixingRandom Random;
    board::GameFlow Game;
    QString PicturePath;

    void StartGame();
    void Timer1_Timer();
    void PicArr_DragDrop(int Index, QWidget *Source, float X, float Y);
    void DrawPiece(int piece, int cell);
    void cmdNewGame_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    // The cell under a screen position, or null where no visible cell is.
    PictureCell *CellAt(QPoint globalPosition) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void CreateControls();
    void CreateShortcuts();
    void CellReleased(PictureCell *source, QPoint globalPosition);
    void BoardDealt() override;
    void PiecesSwapped(int a, int b) override;
    void StateChanged() override;
    void ShowResultLabel();
};
