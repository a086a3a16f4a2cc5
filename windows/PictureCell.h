// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/PictureBox.h"

#include <QPoint>

// One board cell. A left press starts a drag at once; the release reports where it ended,
// and the main window decides which cell, if any, it was dropped on.
class PictureCell : public PictureBox {
    Q_OBJECT

public:
    PictureCell(int index, QWidget *parent = nullptr);

    const int Index;

    // Ends a drag whose release will not come here, giving the pointer back.
    void CancelDrag();

signals:
    void Released(PictureCell *source, QPoint globalPosition);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void EndDrag();

    bool dragging = false;
};
