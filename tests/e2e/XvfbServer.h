// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// A private X server for one test run, on the first free display, gone when the test is.
class XvfbServer {
public:
    ~XvfbServer();

    // Starts the server and waits until it takes clients; false with the reason in Error().
    bool Start();
    void Stop();

    QString Display() const { return display; }
    QString Error() const { return error; }
    // The running environment with DISPLAY pointing at this server.
    QProcessEnvironment Environment() const;

    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;

private:
    QProcess server;
    QString display;
    QString error;
};
