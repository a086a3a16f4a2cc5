// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// What the window manager needs to hear from our dialogs, which have no owner window.
namespace WindowHints {

// Centres the window's client area on the primary screen; without a window manager
// nothing else would move it away from the top-left corner.
void CentreOnScreen(QWidget *window);

// Asks an EWMH window manager to leave the window out of the taskbar. Call it from
// showEvent: the state is dropped each time the window is hidden, and Qt keeps it
// only when it is set before the window is mapped.
void KeepOffTaskbar(QWidget *window);

} // namespace WindowHints
