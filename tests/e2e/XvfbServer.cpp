// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XvfbServer.h"

#include "ChildProcess.h"

#include <QDeadlineTimer>

XvfbServer::~XvfbServer()
{
    Stop();
}

bool XvfbServer::Start()
{
    ChildProcess::DieWithParent(server);
    // -displayfd picks a free display itself and writes its number once the server takes clients;
    // the white root makes whatever shows through a cut-away window easy to tell.
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-wr"), QStringLiteral("-noreset")});
    if (!server.waitForStarted()) {
        error = QStringLiteral("Xvfb could not be started: ") + server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(10'000);
    QByteArray answer;
    while (!answer.contains('\n') && server.state() == QProcess::Running && !deadline.hasExpired()) {
        server.waitForReadyRead(int(deadline.remainingTime()));
        answer += server.readAllStandardOutput();
    }
    if (!answer.contains('\n')) {
        error = QStringLiteral("Xvfb named no display: ") + QString::fromLocal8Bit(server.readAllStandardError());
        Stop();
        return false;
    }
    display = QLatin1Char(':') + QString::fromLatin1(answer.trimmed());
    return true;
}

void XvfbServer::Stop()
{
    ChildProcess::Stop(server);
}

QProcessEnvironment XvfbServer::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    return environment;
}
