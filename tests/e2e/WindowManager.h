// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

struct xcb_connection_t;

// A window manager on an X display, with a home, a runtime folder and a session bus of its own, so
// neither the user's settings nor a parallel test run reach it. Gone when the test is.
class WindowManager {
public:
    struct Command {
        QString program;
        QStringList arguments;
        // Set on top of the display's environment.
        QList<QPair<QString, QString>> environment;
        // Files written into its home before it starts: path in the home, contents.
        QList<QPair<QString, QByteArray>> settings;
        // A compositing manager is ready only once it holds the screen's compositing selection.
        bool composites = false;
    };

    ~WindowManager();

    // Starts the window manager on the display and waits until it manages windows; false with the
    // reason in Error().
    bool Start(const QProcessEnvironment &display, const Command &command);
    void Stop();

    QString Error() const { return error; }

private:
    QString StartBus(const QProcessEnvironment &environment);
    bool Ready(bool composites) const;
    QString Log() const;

    struct Disconnect {
        void operator()(xcb_connection_t *connection) const;
    };

    QTemporaryDir home;
    QProcess bus;
    QProcess manager;
    // Holds the root's background picture for as long as the window manager runs.
    std::unique_ptr<xcb_connection_t, Disconnect> connection;
    int screen = 0;
    QString error;
};
