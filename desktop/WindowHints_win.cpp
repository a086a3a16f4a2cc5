// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <windows.h>

namespace {

HWND Handle(const QWidget *window)
{
    return reinterpret_cast<HWND>(window->winId());
}

// The frame Windows draws around the client area; Qt knows it as soon as the native window exists.
QMargins Frame(QWidget *window)
{
    window->winId();
    return window->windowHandle()->frameMargins();
}

// Where the client area goes for the frame around it to be centred on the primary screen.
QRect CentredClient(QSize client, const QMargins &frame)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QRect framed(QPoint(0, 0), client.grownBy(frame));
    framed.moveCenter(available.center());
    return framed.marginsRemoved(frame);
}

// Owns the windows that have no owner of their own: Windows gives a taskbar button to every top-level
// window that is neither owned nor a tool window, and a tool window would get a smaller title bar. Qt
// hands a window's transient parent to Windows as its owner each time the window is shown.
QWindow *HiddenOwner()
{
    static QWindow *const owner = [] {
        auto *window = new QWindow;
        window->create();
        return window;
    }();
    return owner;
}

// Window regions take whole pixels; what lies between is rounded to the nearest, a half to the even one,
// as the default floating-point rounding does.
int Rounded(float value)
{
    return int(std::lrintf(value));
}

} // namespace

namespace WindowHints {

void CentreOnScreen(QWidget *window)
{
    window->setGeometry(CentredClient(window->size(), Frame(window)));
}

// Windows tells the frame before the window is shown, so placing it once is enough.
void SetVisibleCentred(QWidget *window, bool visible, const std::function<void(bool)> &setVisible)
{
    if (visible && !window->isVisible())
        CentreOnScreen(window);
    setVisible(visible);
}

void KeepOffTaskbar(QWidget *window)
{
    window->winId();
    if (!window->windowHandle()->transientParent())
        window->windowHandle()->setTransientParent(HiddenOwner());
}

// Windows cuts windows to shape with the frame included, so nothing needs to be left unpainted.
bool SeeThroughWindows()
{
    return false;
}

bool ShowsAt(const QWidget *window, QPoint globalPosition)
{
    return QGuiApplication::topLevelAt(globalPosition) == window->windowHandle();
}

// The window region, in pixels of the whole window from its top-left corner, frame included: the frame,
// told apart from the client area by the outer and client sizes as they are now, and each rectangle of
// the client shape.
void SetShape(QWidget *window, const QRegion &client)
{
    const HWND handle = Handle(window);
    RECT outer{};
    RECT inner{};
    GetWindowRect(handle, &outer);
    GetClientRect(handle, &inner);
    const float width = float(outer.right - outer.left);
    const float height = float(outer.bottom - outer.top);
    const float border = (width - float(inner.right)) / 2;
    const float top = height - border - float(inner.bottom);
    const auto ratio = float(window->devicePixelRatio());

    HRGN shapeRegion = CreateRectRgn(0, 0, 0, 0);
    HRGN whole = CreateRectRgn(0, 0, Rounded(width), Rounded(height));
    HRGN clientArea = CreateRectRgn(Rounded(border), Rounded(top), Rounded(width - border), Rounded(height - border));
    CombineRgn(shapeRegion, whole, clientArea, RGN_DIFF);
    DeleteObject(whole);
    DeleteObject(clientArea);
    for (const QRect &control : client) {
        HRGN rectangle = CreateRectRgn(Rounded(border + float(control.left()) * ratio),
                                       Rounded(top + float(control.top()) * ratio),
                                       Rounded(border + float(control.left() + control.width()) * ratio),
                                       Rounded(top + float(control.top() + control.height()) * ratio));
        CombineRgn(shapeRegion, rectangle, shapeRegion, RGN_OR);
        DeleteObject(rectangle);
    }
    // From here on the region is the window's.
    SetWindowRgn(handle, shapeRegion, TRUE);
}

} // namespace WindowHints
