// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: its picture with an OK button on it, and nothing else of the client
// area; the rest is cut away so the desktop shows through.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *Picture1 = nullptr;
    QPushButton *cmdOK = nullptr;

    // Restricts drawing and mouse input to the visible controls, as they stand now.
    void ApplyWindowShape();

    void setVisible(bool visible) override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    void Form_Activate();
    void cmdOK_Click();

    // The window's size and pixel ratio when its shape was last built.
    QSize shapedSize;
    qreal shapedRatio = 0;
};
