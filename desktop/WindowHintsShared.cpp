// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include <QWidget>
#include <QWindow>

// What every window system does alike: the transient-parent link, and the frame kept whole around a shape.
namespace WindowHints {

void StayAbove(QWidget *dialog, const QWidget *window)
{
    dialog->winId();
    dialog->windowHandle()->setTransientParent(window->windowHandle());
}

QRegion ShapeWithFrame(const QRegion &client, QSize clientSize, const QMargins &frame)
{
    const QRect clientArea(QPoint(0, 0), clientSize);
    return (QRegion(clientArea.marginsAdded(frame)) - clientArea) + client;
}

} // namespace WindowHints
