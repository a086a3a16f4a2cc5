// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WestonServer.h"

#include "ChildProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QString Socket = QStringLiteral("tilora-e2e");

// A white desktop without panel, screen lock, animations or input method, like the bare X display.
const char Configuration[] = "[core]\nidle-time=0\n"
                             "[shell]\npanel-position=none\nbackground-color=0xffffffff\nlocking=false\n"
                             "startup-animation=none\nanimation=none\nclose-animation=none\nfocus-animation=none\n"
                             "[input-method]\npath=\n";

} // namespace

WestonServer::~WestonServer()
{
    Stop();
}

bool WestonServer::Start(const QProcessEnvironment &display)
{
    if (!runtime.isValid()) {
        error = QStringLiteral("no runtime folder");
        return false;
    }
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile configuration(runtime.filePath(QStringLiteral("weston.ini")));
    if (!configuration.open(QIODevice::WriteOnly) || configuration.write(Configuration) < 0) {
        error = QStringLiteral("weston.ini could not be written");
        return false;
    }
    configuration.close();

    QProcessEnvironment environment = display;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    server.setProcessEnvironment(environment);
    server.setProcessChannelMode(QProcess::MergedChannels);
    ChildProcess::DieWithParent(server);
    server.start(QStringLiteral("weston"),
                 {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                  QStringLiteral("--width=%1").arg(OutputWidth), QStringLiteral("--height=%1").arg(OutputHeight),
                  QStringLiteral("--socket=") + Socket, QStringLiteral("--config=") + configuration.fileName()});
    if (!server.waitForStarted()) {
        error = QStringLiteral("weston could not be started: ") + server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(30'000);
    while (!QFileInfo(runtime.filePath(Socket)).exists()) {
        if (server.state() != QProcess::Running || deadline.hasExpired()) {
            error = QStringLiteral("weston takes no clients: ") + Output();
            Stop();
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

QString WestonServer::Output()
{
    output += QString::fromLocal8Bit(server.readAll());
    return output;
}

void WestonServer::Stop()
{
    ChildProcess::Stop(server);
}

QProcessEnvironment WestonServer::ClientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), Socket);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // Qt's Wayland plugin and Mesa are built without frame pointers: only a full unwind reaches
    // the frames that tests/lsan.supp names for the leaks they leave at exit.
    const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.isEmpty())
        environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer + QStringLiteral(":fast_unwind_on_malloc=0"));
    return environment;
}
