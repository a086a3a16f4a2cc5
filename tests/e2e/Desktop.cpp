// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desktop.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <utility>

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
    QList<QRect> windows;
    for (const QString &id : Ids(title)) {
        // xwininfo's absolute corner holds also inside a window manager's frame.
        const QByteArray info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        if (info.contains("Absolute upper-left X"))
            windows += QRect(InfoValue(info, "Absolute upper-left X"), InfoValue(info, "Absolute upper-left Y"),
                             InfoValue(info, "Width"), InfoValue(info, "Height"));
    }
    return windows;
}

QMargins Desktop::Frame(const QString &title) const
{
    const QStringList ids = Ids(title);
    if (ids.isEmpty())
        return {};
    const QByteArray property =
        Run(QStringLiteral("xprop"), {QStringLiteral("-id"), ids.first(), QStringLiteral("_NET_FRAME_EXTENTS")});
    const QList<QByteArray> sides = property.mid(property.indexOf('=') + 1).split(',');
    if (!property.contains('=') || sides.size() != 4)
        return {};
    return QMargins(sides[0].trimmed().toInt(), sides[2].trimmed().toInt(), sides[1].trimmed().toInt(),
                    sides[3].trimmed().toInt());
}

int Desktop::Depth(const QString &title) const
{
    const QStringList ids = Ids(title);
    return ids.isEmpty() ? 0 : InfoValue(Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), ids.first()}), "Depth");
}

QStringList Desktop::Atoms(const QString &title, const QString &property) const
{
    const QStringList ids = Ids(title);
    if (ids.isEmpty())
        return {};
    const QByteArray value = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), ids.first(), property});
    if (!value.contains('='))
        return {};
    QStringList atoms;
    for (const QByteArray &atom : value.mid(value.indexOf('=') + 1).split(','))
        atoms += QString::fromLatin1(atom.trimmed());
    return atoms;
}

bool Desktop::PointerOver(QPoint at, const QString &title) const
{
    const QStringList ids = Ids(title);
    const QByteArray location = Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), Coordinate(at.x()),
                                                                Coordinate(at.y()), QStringLiteral("getmouselocation"),
                                                                QStringLiteral("--shell")});
    for (const QByteArray &line : location.split('\n')) {
        if (line.startsWith("WINDOW=") && !ids.isEmpty())
            return TopLevel(QString::fromLatin1(line.mid(7))) == TopLevel(ids.first());
    }
    return false;
}

// The window that holds this one, or 0 for the root and its children.
quint64 Desktop::Parent(quint64 window) const
{
    const QByteArray info =
        Run(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), QString::number(window)});
    const auto idAfter = [&info](const char *name) {
        const qsizetype at = info.indexOf(name);
        return at < 0 ? 0 : info.mid(at + qstrlen(name)).trimmed().split(' ').constFirst().toULongLong(nullptr, 0);
    };
    const quint64 parent = idAfter("Parent window id:");
    return parent == idAfter("Root window id:") ? 0 : parent;
}

// The root's child that holds the window: the window manager's frame around it, or the window itself.
quint64 Desktop::TopLevel(const QString &id) const
{
    quint64 window = id.toULongLong(nullptr, 0);
    for (quint64 parent = Parent(window); parent != 0; parent = Parent(window))
        window = parent;
    return window;
}

QStringList Desktop::Ids(const QString &title) const
{
    QStringList ids = Listed(QStringLiteral("--name"), ExactTitle(title));
    // xdotool matches names in the C locale, where no title beyond ASCII matches: such a title is
    // compared with the name of each window, which xdotool reads as UTF-8.
    if (!QRegularExpression(QStringLiteral("^[\\x20-\\x7e]*$")).match(title).hasMatch()) {
        ids = Listed(QStringLiteral("--classname"), QStringLiteral("."));
        ids.removeIf([&](const QString &id) {
            return QString::fromUtf8(Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id})).trimmed() != title;
        });
    }
    if (ids.size() < 2)
        return ids;
    // mutter 48 draws the frames in a client of its own, which gives each frame its window's title:
    // a found window that holds another is a frame.
    QList<quint64> holders;
    for (const QString &id : std::as_const(ids)) {
        for (quint64 parent = Parent(id.toULongLong()); parent != 0; parent = Parent(parent))
            holders += parent;
    }
    ids.removeIf([&holders](const QString &id) { return holders.contains(id.toULongLong()); });
    return ids;
}

QStringList Desktop::Listed(const QString &criterion, const QString &pattern) const
{
    const QByteArray found = Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), criterion, pattern});
    QStringList ids;
    for (const QByteArray &id : found.split('\n')) {
        if (!id.isEmpty())
            ids += QString::fromLatin1(id);
    }
    return ids;
}

void Desktop::ParkPointerAt(QPoint at, QPoint outside)
{
    parking = std::pair(at, outside);
    Xdotool(Parked({}));
}

QStringList Desktop::Parked(QStringList arguments) const
{
    if (parking) {
        const auto &[at, outside] = *parking;
        arguments += {QStringLiteral("mousemove"), Coordinate(outside.x()), Coordinate(outside.y()),
                      QStringLiteral("mousemove"), Coordinate(at.x()), Coordinate(at.y())};
    }
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

void Desktop::Activate(const QString &title) const
{
    const QStringList ids = Ids(title);
    if (!ids.isEmpty())
        Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), ids.first()});
}

void Desktop::Key(const QString &name) const
{
    Xdotool({QStringLiteral("key"), name});
}
