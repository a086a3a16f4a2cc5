// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/WindowHints.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTransform>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace {

// WM_NORMAL_HINTS: 18 numbers, the flags first and the window gravity last.
constexpr uint32_t SizeHintsLength = 18;
constexpr uint32_t GravityFlag = 1U << 9;
constexpr uint32_t GravityField = 17;

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

xcb_window_t RootWindow(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

PropertyReply Property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                       uint32_t length)
{
    const auto cookie = xcb_get_property(connection, false, window, property, type, 0, length);
    return PropertyReply(xcb_get_property_reply(connection, cookie, nullptr));
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

// Asks the window manager for the frame it will put around the window, without waiting for the answer.
void RequestFrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !AnswersFrameRequests(connection, request))
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, false, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// The frame the window manager has said it will put around the window: left, top, right, bottom.
std::optional<QMargins> FrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t extents = InternAtom(connection, "_NET_FRAME_EXTENTS");
    const PropertyReply reply = Property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *sides = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

// The screen Qt opened, as DISPLAY names it: ":0" is screen 0, ":0.1" screen 1.
int ScreenNumber()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    return dot > display.lastIndexOf(QLatin1Char(':')) ? QStringView(display).mid(dot + 1).toInt() : 0;
}

// A compositing manager holds this selection for as long as it composites the screen.
bool CompositorRuns(xcb_connection_t *connection)
{
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(ScreenNumber());
    const xcb_atom_t atom = InternAtom(connection, selection.constData());
    if (atom == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

// Replaces the window's gravity, keeping every other hint. Qt's own is static: the client stays where it
// asked to be, and the frame goes around it.
void SetGravity(xcb_connection_t *connection, xcb_window_t window, uint32_t gravity)
{
    const auto cookie = xcb_get_property(connection, false, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS,
                                         0, SizeHintsLength);
    const PropertyReply reply(xcb_get_property_reply(connection, cookie, nullptr));
    std::vector<uint32_t> hints(SizeHintsLength, 0);
    if (reply && reply->format == 32) {
        const auto length = std::min<std::size_t>(SizeHintsLength, std::size_t(xcb_get_property_value_length(reply.get())) / 4);
        std::memcpy(hints.data(), xcb_get_property_value(reply.get()), length * 4);
    }
    hints[0] |= GravityFlag;
    hints[GravityField] = gravity;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS,
                        32, SizeHintsLength, hints.data());
}

// Mouse input only: the outline stays whole, so the window manager keeps its frame.
void SetInputShape(xcb_connection_t *connection, xcb_window_t window, const QRegion &native)
{
    // Sized once and never grown: moving the rectangles would bring in a memmove that fortification cannot check.
    const auto rectangles = std::make_unique_for_overwrite<xcb_rectangle_t[]>(std::size_t(native.rectCount()));
    std::size_t count = 0;
    for (const QRect &rect : native)
        rectangles[count++] = {int16_t(rect.x()), int16_t(rect.y()), uint16_t(rect.width()), uint16_t(rect.height())};
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED, window, 0, 0,
                         uint32_t(count), rectangles.get());
    xcb_flush(connection);
}

QRegion NativePixels(const QRegion &region, qreal ratio)
{
    return QTransform::fromScale(ratio, ratio).map(region);
}

// Where the client area goes for the frame around it to be centred on the primary screen.
QRect CentredClient(QSize client, const QMargins &frame)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QRect framed(QPoint(0, 0), client.grownBy(frame));
    framed.moveCenter(available.center());
    return framed.marginsRemoved(frame);
}

// Centres a shown window again, once, when the window manager tells a frame other than the one the window
// was placed for: an answer that came after the window was shown, or a frame dropped from a shaped window.
class FrameWatch final : public QAbstractNativeEventFilter {
public:
    static FrameWatch &Instance(xcb_connection_t *connection)
    {
        static FrameWatch watch(connection);
        return watch;
    }

    void Watch(QWidget *window, const std::optional<QMargins> &placedFor)
    {
        watched[xcb_window_t(window->winId())] = {window, placedFor};
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        const auto found = watched.find(notify->window);
        if (notify->atom != extents || found == watched.end())
            return false;
        Watched &entry = found->second;
        if (!entry.window || !entry.window->isVisible()) {
            watched.erase(found);
            return false;
        }
        const std::optional<QMargins> frame = FrameExtents(connection, notify->window);
        if (frame && frame != entry.placedFor) {
            entry.placedFor = frame;
            // The client's own position, which every window manager keeps as asked.
            SetGravity(connection, notify->window, XCB_GRAVITY_STATIC);
            entry.window->setGeometry(CentredClient(entry.window->size(), *frame));
        }
        return false;
    }

private:
    struct Watched {
        QPointer<QWidget> window;
        std::optional<QMargins> placedFor;
    };

    explicit FrameWatch(xcb_connection_t *connection)
        : connection(connection)
        , extents(InternAtom(connection, "_NET_FRAME_EXTENTS"))
    {
        qApp->installNativeEventFilter(this);
    }

    xcb_connection_t *connection;
    xcb_atom_t extents;
    std::map<xcb_window_t, Watched> watched;
};

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
    window->setGeometry(CentredClient(window->size(), QMargins()));
    if (xcb_connection_t *connection = X11Connection())
        RequestFrameExtents(connection, xcb_window_t(window->winId()));
}

void SetVisibleCentred(QWidget *window, bool visible, const std::function<void(bool)> &setVisible)
{
    xcb_connection_t *connection = X11Connection();
    if (!connection || !visible || window->isVisible()) {
        setVisible(visible);
        return;
    }
    const auto id = xcb_window_t(window->winId());
    // A frame told in advance is centred exactly, as the window manager draws it, whatever it makes of gravity;
    // but KWin and xfwm4 drop the frame they told from a window whose outline is shaped.
    const std::optional<QMargins> frame =
        window->mask().isEmpty() ? FrameExtents(connection, id) : std::optional<QMargins>();
    if (frame) {
        window->setGeometry(CentredClient(window->size(), *frame));
        setVisible(true);
    } else {
        // Qt writes its own hints as it maps the window. Holding the server until ours have replaced them
        // keeps the window manager, which reads them as it handles the map, from seeing Qt's.
        xcb_grab_server(connection);
        setVisible(true);
        SetGravity(connection, id, XCB_GRAVITY_CENTER);
        xcb_ungrab_server(connection);
        xcb_flush(connection);
    }
    FrameWatch::Instance(connection).Watch(window, frame);
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

bool SeeThroughWindows()
{
    if (OnWayland())
        return true;
    xcb_connection_t *connection = X11Connection();
    return connection && CompositorRuns(connection);
}

bool ShowsAt(const QWidget *window, QPoint globalPosition)
{
    return OnWayland() || QGuiApplication::topLevelAt(globalPosition) == window->windowHandle();
}

void SetShape(QWidget *window, const QRegion &client)
{
    QWindow *handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const QRegion shape = ShapeWithFrame(client, window->size(), frame);
    xcb_connection_t *connection = X11Connection();
    // Qt's Wayland windows take the mask in the coordinates of the surface, which begins with the
    // frame Qt draws, and use it for input only: what lies outside is left unpainted instead.
    if (OnWayland() && handle)
        handle->setMask(shape.translated(frame.left(), frame.top()));
    else if (connection && window->testAttribute(Qt::WA_TranslucentBackground))
        SetInputShape(connection, xcb_window_t(window->winId()), NativePixels(client, window->devicePixelRatio()));
    else
        window->setMask(shape);
}

} // namespace WindowHints
