// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QRegion>

class QWidget;

// What the window system needs to hear from our windows; the dialogs have no owner window.
namespace WindowHints {

// Centres the whole window, frame included, on the primary screen. An X11 window manager is
// asked for its frame before the window is mapped, so the window appears in place at once;
// without a window manager the client area is centred. On Wayland the compositor places windows.
void CentreOnScreen(QWidget *window);

// Asks an EWMH window manager to leave the window out of the taskbar. Call it from
// showEvent: the state is dropped each time the window is hidden, and Qt keeps it
// only when it is set before the window is mapped.
void KeepOffTaskbar(QWidget *window);

// Keeps the dialog above the window it was opened from for as long as it is open, through the
// window system's transient-parent link; the dialog still has no owner widget.
void StayAbove(QWidget *dialog, const QWidget *window);

// Whether what the window leaves unpainted shows what lies behind it. Wayland has no window
// shapes for drawing: there a translucent window is how parts of it are cut away.
bool SeeThroughWindows();

// The shape, given in client coordinates, together with the whole frame around the client area:
// a window manager that shapes its frame after the window must not lose the borders, and the
// title bar that Qt draws itself on Wayland must keep taking clicks.
QRegion ShapeWithFrame(const QRegion &client, QSize clientSize, const QMargins &frame);

// Restricts drawing and mouse input to the shape, given in client coordinates, and keeps the frame
// that the window system reports whole, whoever draws it.
void SetShape(QWidget *window, const QRegion &client);

} // namespace WindowHints
