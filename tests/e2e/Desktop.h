// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The X display as the player meets it: real pointer and key events through XTEST (xdotool),
// and what the screen shows (ImageMagick's import).
class Desktop {
public:
    explicit Desktop(QProcessEnvironment environment);

    QImage Screenshot() const;
    // Where the visible window with exactly this title lies on the screen; empty when there is none.
    QRect Window(const QString &title) const;
    // Every visible window with exactly this title.
    QList<QRect> Windows(const QString &title) const;
    // The frame the window manager put around the window with this title; none without one.
    QMargins Frame(const QString &title) const;
    // The colour depth of the window with this title: 32 for one that can be translucent.
    int Depth(const QString &title) const;
    // The atoms a property of the window with this title lists, by name; none without the property.
    QStringList Atoms(const QString &title, const QString &property) const;
    // Moves the pointer there and tells whether it is over the window with this title or its frame,
    // where a click there would go.
    bool PointerOver(QPoint at, const QString &title) const;

    // Where the pointer goes after each click and drag, for screens that show it (Wayland compositors
    // draw it), by way of a point outside the compositor's window: weston's X11 backend follows the
    // pointer by its moves and takes its true place only as it enters, so entering anew after each
    // action puts weston's pointer back where X has it, whatever went before.
    void ParkPointerAt(QPoint at, QPoint outside);

    void Click(QPoint at) const;
    // Presses the left button at from, moves to to and releases it there.
    void Drag(QPoint from, QPoint to) const;
    void Key(const QString &name) const;
    // Asks the window manager to activate the window with this title, as a taskbar does.
    void Activate(const QString &title) const;

private:
    QByteArray Run(const QString &program, const QStringList &arguments) const;
    void Xdotool(const QStringList &arguments) const;
    QStringList Ids(const QString &title) const;
    // The visible windows that xdotool's search finds by the criterion ("--name", "--classname").
    QStringList Listed(const QString &criterion, const QString &pattern) const;
    quint64 Parent(quint64 window) const;
    quint64 TopLevel(const QString &id) const;

    QStringList Parked(QStringList arguments) const;

    QProcessEnvironment environment;
    std::optional<std::pair<QPoint, QPoint>> parking;
};
