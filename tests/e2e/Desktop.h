// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

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

    void Click(QPoint at) const;
    // Presses the left button at from, moves to to and releases it there.
    void Drag(QPoint from, QPoint to) const;
    void Key(const QString &name) const;

private:
    QByteArray Run(const QString &program, const QStringList &arguments) const;
    void Xdotool(const QStringList &arguments) const;

    QProcessEnvironment environment;
};
