// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowManager.h"

#include "ChildProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t *connection, const QByteArray &name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, uint16_t(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : XCB_ATOM_NONE;
}

const xcb_screen_t *Screen(xcb_connection_t *connection, int number)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem > 0 && number > 0; --number)
        xcb_screen_next(&screens);
    return screens.data;
}

// Compositing managers draw the root from its background picture, black without one: a white one
// keeps the desktop as white as the bare X server shows it.
void PaintRootWhite(xcb_connection_t *connection, const xcb_screen_t *screen)
{
    const xcb_pixmap_t picture = xcb_generate_id(connection);
    xcb_create_pixmap(connection, screen->root_depth, picture, screen->root, 1, 1);
    const xcb_gcontext_t pen = xcb_generate_id(connection);
    xcb_create_gc(connection, pen, picture, XCB_GC_FOREGROUND, &screen->white_pixel);
    const xcb_rectangle_t pixel{0, 0, 1, 1};
    xcb_poly_fill_rectangle(connection, picture, pen, 1, &pixel);
    xcb_free_gc(connection, pen);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, Atom(connection, "_XROOTPMAP_ID"),
                        XCB_ATOM_PIXMAP, 32, 1, &picture);
    xcb_flush(connection);
}

} // namespace

void WindowManager::Disconnect::operator()(xcb_connection_t *connection) const
{
    xcb_disconnect(connection);
}

WindowManager::~WindowManager()
{
    Stop();
}

bool WindowManager::Start(const QProcessEnvironment &display, const Command &command)
{
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    if (!home.isValid() || !QDir().mkdir(runtime)
        || !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        error = QStringLiteral("no home and runtime folder");
        return false;
    }
    for (const auto &[path, contents] : command.settings) {
        QFile file(home.filePath(path));
        if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) || file.write(contents) < 0) {
            error = path + QStringLiteral(" could not be written");
            return false;
        }
    }

    connection.reset(xcb_connect(qPrintable(display.value(QStringLiteral("DISPLAY"))), &screen));
    if (xcb_connection_has_error(connection.get())) {
        error = QStringLiteral("the X display takes no clients");
        return false;
    }
    PaintRootWhite(connection.get(), Screen(connection.get(), screen));

    QProcessEnvironment environment = display;
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const QString &folder : {QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("XDG_CACHE_HOME"),
                                  QStringLiteral("XDG_DATA_HOME"), QStringLiteral("XDG_STATE_HOME")})
        environment.remove(folder);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // The suite itself draws offscreen; a window manager built with Qt must reach the display.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QString busAddress = StartBus(environment);
    if (busAddress.isEmpty())
        return false;
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    for (const auto &[name, value] : command.environment)
        environment.insert(name, value);

    manager.setProcessEnvironment(environment);
    manager.setProcessChannelMode(QProcess::MergedChannels);
    manager.setStandardOutputFile(home.filePath(QStringLiteral("manager.log")));
    ChildProcess::DieWithParent(manager);
    manager.start(command.program, command.arguments);
    if (!manager.waitForStarted()) {
        error = command.program + QStringLiteral(" could not be started: ") + manager.errorString();
        return false;
    }
    const QDeadlineTimer deadline(60'000);
    while (!Ready(command.composites)) {
        if (manager.state() != QProcess::Running || deadline.hasExpired()) {
            error = command.program + QStringLiteral(" does not manage windows: ") + Log();
            Stop();
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

// Services the bus starts on demand, such as xfwm4's settings store, find their settings in the home
// too. The answer is the bus's address, or none.
QString WindowManager::StartBus(const QProcessEnvironment &environment)
{
    const QString socket = environment.value(QStringLiteral("XDG_RUNTIME_DIR")) + QStringLiteral("/bus");
    const QString address = QStringLiteral("unix:path=") + socket;
    bus.setProcessEnvironment(environment);
    bus.setProcessChannelMode(QProcess::MergedChannels);
    bus.setStandardOutputFile(home.filePath(QStringLiteral("bus.log")));
    ChildProcess::DieWithParent(bus);
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--address=") + address});
    if (!bus.waitForStarted()) {
        error = QStringLiteral("dbus-daemon could not be started: ") + bus.errorString();
        return {};
    }
    const QDeadlineTimer deadline(10'000);
    while (!QFileInfo::exists(socket)) {
        if (bus.state() != QProcess::Running || deadline.hasExpired()) {
            error = QStringLiteral("dbus-daemon takes no clients");
            Stop();
            return {};
        }
        QTest::qWait(50);
    }
    return address;
}

// A window manager names itself on the root once it manages windows; a compositing manager
// announces itself by owning the screen's compositing selection.
bool WindowManager::Ready(bool composites) const
{
    xcb_connection_t *x = connection.get();
    const xcb_window_t root = Screen(x, screen)->root;
    const ReplyPointer<xcb_get_property_reply_t> check(xcb_get_property_reply(
        x, xcb_get_property(x, false, root, Atom(x, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!check || xcb_get_property_value_length(check.get()) != sizeof(xcb_window_t))
        return false;
    if (!composites)
        return true;
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(screen);
    const ReplyPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, Atom(x, selection)), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

QString WindowManager::Log() const
{
    QFile log(home.filePath(QStringLiteral("manager.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

void WindowManager::Stop()
{
    ChildProcess::Stop(manager);
    ChildProcess::Stop(bus);
    connection.reset();
}
