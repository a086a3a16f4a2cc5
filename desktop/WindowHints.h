// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QRegion>
#include <functional>

class QWidget;

// What the window system needs to hear from our windows; the dialogs have no owner window.
namespace WindowHints {

// Puts the client area in the middle of the primary screen. On Wayland the compositor places windows.
void CentreOnScreen(QWidget *window);

// Shows or hides the window through setVisible, its class's own. As a window appears, an X11 window
// manager is told to keep the centre the client area asked for (ICCCM's centre gravity), so it centres
// whatever frame it puts around the window, or none, and nobody waits for it to tell its frame.
void SetVisibleCentred(QWidget *window, bool visible, const std::function<void(bool)> &setVisible);

// Asks an EWMH window manager to leave the window out of the taskbar. Call it from
// showEvent: the state is dropped each time the window is hidden, and Qt keeps it
// only when it is set before the window is mapped.
void KeepOffTaskbar(QWidget *window);

// Keeps the dialog above the window it was opened from for as long as it is open, through the
// window system's transient-parent link; the dialog still has no owner widget.
void StayAbove(QWidget *dialog, const QWidget *window);

// Whether what a translucent window leaves unpainted shows what lies behind it: on Wayland, and on
// X11 while a compositing manager runs. There cutting parts away by leaving them unpainted keeps the
// window manager's frame, which KWin and xfwm4 drop from a window whose outline is shaped.
bool SeeThroughWindows();

// Whether the point of the screen shows the window rather than another one over it. Wayland tells
// no client where its windows lie, so there the answer is always yes.
bool ShowsAt(const QWidget *window, QPoint globalPosition);

// The shape, given in client coordinates, together with the whole frame around the client area:
// a window manager that shapes its frame after the window must not lose the borders, and the
// title bar that Qt draws itself on Wayland must keep taking clicks.
QRegion ShapeWithFrame(const QRegion &client, QSize clientSize, const QMargins &frame);

// Restricts mouse input to the shape, given in client coordinates, and drawing as well unless the window
// is translucent and leaves the rest unpainted itself; the frame that the window system reports stays whole,
// whoever draws it.
void SetShape(QWidget *window, const QRegion &client);

} // namespace WindowHints
