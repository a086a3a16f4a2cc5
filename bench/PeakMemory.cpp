// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/PeakMemory.h"

#include "bench/Preparations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <malloc.h>

#include <cstdio>

namespace {

qint64 PeakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// Linux restarts the peak from the current resident size on this request.
bool ResetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace

namespace PeakMemory {

qint64 Measure(const QString &preparation, const QString &path, const QString &warmUpPath, QSize size)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(ChildFlag), preparation, path, warmUpPath, QString::number(size.width()),
                 QString::number(size.height())});
    if (!child.waitForFinished(60'000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const qint64 kilobytes = child.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok ? kilobytes : -1;
}

int RunChild(const QStringList &arguments)
{
    if (arguments.size() != 5)
        return 2;
    const Preparations::Preparation prepare = Preparations::ByName(arguments[0]);
    const QSize size(arguments[3].toInt(), arguments[4].toInt());
    if (!prepare || prepare(arguments[2], size).isNull())
        return 1;
    malloc_trim(0);
    if (!ResetPeak())
        return 1;
    const qint64 idle = PeakResidentKilobytes();
    const QImage prepared = prepare(arguments[1], size);
    const qint64 peak = PeakResidentKilobytes();
    if (prepared.isNull() || idle < 0 || peak < 0)
        return 1;
    std::printf("%lld\n", static_cast<long long>(peak - idle));
    return 0;
}

} // namespace PeakMemory
