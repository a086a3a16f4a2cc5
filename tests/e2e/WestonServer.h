// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A Wayland compositor (weston) drawing into a window at the top-left of an X display, so the
// display's pointer reaches it and the display's screenshots show it. Gone when the test is.
class WestonServer {
public:
    ~WestonServer();

    // Starts weston on the X display and waits until it takes clients; false with the reason in Error().
    bool Start(const QProcessEnvironment &display);
    void Stop();

    QString Error() const { return error; }
    // All that weston has printed so far.
    QString Output();
    // What a client needs to reach this compositor, and nothing that leads to the X display.
    QProcessEnvironment ClientEnvironment() const;

    // Small enough that windows placed anywhere on it overlap.
    static constexpr int OutputWidth = 480;
    static constexpr int OutputHeight = 400;

private:
    QTemporaryDir runtime;
    QProcess server;
    QString error;
    QString output;
};
