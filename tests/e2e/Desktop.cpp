// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString Coordinate(int value)
{
    return QString::number(value);
}

// xdotool matches titles as POSIX extended regular expressions.
QString ExactTitle(const QString &title)
{
    QString pattern = title;
    pattern.replace(QRegularExpression(QStringLiteral(R"(([.^$*+?()\[\]{}|\\]))")), QStringLiteral(R"([\1])"));
    return QLatin1Char('^') + pattern + QLatin1Char('$');
}

// The number after "name:" in xwininfo's report.
int InfoValue(const QByteArray &info, const char *name)
{
    for (const QByteArray &line : info.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(QByteArray(name) + ':'))
            return trimmed.mid(int(qstrlen(name)) + 1).trimmed().toInt();
    }
    return 0;
}

} // namespace

Desktop::Desktop(QProcessEnvironment environment)
    : environment(std::move(environment))
{
}

QByteArray Desktop::Run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10'000)) {
        process.kill();
        process.waitForFinished();
        QTest::qFail(qPrintable(program + QStringLiteral(" did not answer")), __FILE__, __LINE__);
        return {};
    }
    return process.readAllStandardOutput();
}

void Desktop::Xdotool(const QStringList &arguments) const
{
    Run(QStringLiteral("xdotool"), arguments);
}

QImage Desktop::Screenshot() const
{
    const QByteArray png = Run(QStringLiteral("import"), {QStringLiteral("-silent"), QStringLiteral("-window"),
                                                          QStringLiteral("root"), QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QRect Desktop::Window(const QString &title) const
{
    const QList<QRect> windows = Windows(title);
    return windows.isEmpty() ? QRect() : windows.first();
}

QList<QRect> Desktop::Windows(const QString &title) const
{
    const QByteArray found = Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--name"), ExactTitle(title)});
    QList<QRect> windows;
    for (const QByteArray &id : found.split('\n')) {
        if (id.isEmpty())
            continue;
        // xwininfo's absolute corner holds also inside a window manager's frame.
        const QByteArray info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::fromLatin1(id)});
        if (info.contains("Absolute upper-left X"))
            windows += QRect(InfoValue(info, "Absolute upper-left X"), InfoValue(info, "Absolute upper-left Y"),
                             InfoValue(info, "Width"), InfoValue(info, "Height"));
    }
    return windows;
}

QMargins Desktop::Frame(const QString &title) const
{
    const QByteArray found = Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--name"), ExactTitle(title)});
    const QString id = QString::fromLatin1(found.split('\n').constFirst());
    const QByteArray property = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QList<QByteArray> sides = property.mid(property.indexOf('=') + 1).split(',');
    if (!property.contains('=') || sides.size() != 4)
        return {};
    return QMargins(sides[0].trimmed().toInt(), sides[2].trimmed().toInt(), sides[1].trimmed().toInt(),
                    sides[3].trimmed().toInt());
}

void Desktop::ParkPointerAt(QPoint at)
{
    parking = at;
    Xdotool(Parked({}));
}

QStringList Desktop::Parked(QStringList arguments) const
{
    if (parking)
        arguments += {QStringLiteral("mousemove"), Coordinate(parking->x()), Coordinate(parking->y())};
    return arguments;
}

void Desktop::Click(QPoint at) const
{
    Xdotool(Parked({QStringLiteral("mousemove"), Coordinate(at.x()), Coordinate(at.y()), QStringLiteral("click"),
                    QStringLiteral("1")}));
}

void Desktop::Drag(QPoint from, QPoint to) const
{
    Xdotool(Parked({QStringLiteral("mousemove"), Coordinate(from.x()), Coordinate(from.y()), QStringLiteral("mousedown"),
                    QStringLiteral("1"), QStringLiteral("mousemove"), Coordinate(to.x()), Coordinate(to.y()),
                    QStringLiteral("mouseup"), QStringLiteral("1")}));
}

void Desktop::Key(const QString &name) const
{
    Xdotool({QStringLiteral("key"), name});
}
