// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

// How long a window manager may take to tell the frame it will put around a new window.
constexpr int FrameExtentsWait = 500;

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeReply>;

xcb_connection_t *X11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 without a connection.
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t InternAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, false, std::strlen(name), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

PropertyReply Property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                       uint32_t length)
{
    const auto cookie = xcb_get_property(connection, false, window, property, type, 0, length);
    return PropertyReply(xcb_get_property_reply(connection, cookie, nullptr));
}

xcb_window_t RootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Whether a running EWMH window manager says it answers _NET_REQUEST_FRAME_EXTENTS.
bool AnswersFrameRequests(xcb_connection_t *connection, xcb_atom_t request)
{
    const xcb_atom_t supported = InternAtom(connection, "_NET_SUPPORTED");
    const PropertyReply reply = Property(connection, RootWindow(connection), supported, XCB_ATOM_ATOM, 1024);
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, request) != atoms + count;
}

// The frame the window manager will put around the not yet mapped window: left, right, top, bottom.
QMargins FrameExtents(QWidget *window)
{
    xcb_connection_t *connection = X11Connection();
    if (!connection)
        return {};
    const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = InternAtom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || !AnswersFrameRequests(connection, request))
        return {};

    const auto id = xcb_window_t(window->winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, false, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // Qt's own thread reads the events, so the answer is looked for in the property itself.
    const QDeadlineTimer deadline(FrameExtentsWait);
    do {
        const PropertyReply reply = Property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto *sides = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
            return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
        }
        QThread::msleep(5);
    } while (!deadline.hasExpired());
    return {};
}

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

namespace WindowHints {

void CentreOnScreen(QWidget *window)
{
    if (OnWayland())
        return;
    const QMargins frame = FrameExtents(window);
    const QSize framed = window->size().grownBy(frame);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint frameCorner(available.x() + (available.width() - framed.width()) / 2,
                             available.y() + (available.height() - framed.height()) / 2);
    // The client area's own position: the window manager builds its frame around it.
    window->setGeometry(QRect(frameCorner + QPoint(frame.left(), frame.top()), window->size()));
}

void KeepOffTaskbar(QWidget *window)
{
    xcb_connection_t *connection = X11Connection();
    if (!connection)
        return;
    const xcb_atom_t state = InternAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window->winId(), state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
}

void StayAbove(QWidget *dialog, const QWidget *window)
{
    dialog->winId();
    dialog->windowHandle()->setTransientParent(window->windowHandle());
}

bool SeeThroughWindows()
{
    return OnWayland();
}

QRegion ShapeWithFrame(const QRegion &client, QSize clientSize, const QMargins &frame)
{
    const QRect clientArea(QPoint(0, 0), clientSize);
    return (QRegion(clientArea.marginsAdded(frame)) - clientArea) + client;
}

void SetShape(QWidget *window, const QRegion &client)
{
    QWindow *handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const QRegion shape = ShapeWithFrame(client, window->size(), frame);
    // Qt's Wayland windows take the mask in the coordinates of the surface, which begins with the
    // frame Qt draws, and use it for input only: what lies outside is left unpainted instead.
    if (OnWayland())
        handle->setMask(shape.translated(frame.left(), frame.top()));
    else
        window->setMask(shape);
}

} // namespace WindowHints
