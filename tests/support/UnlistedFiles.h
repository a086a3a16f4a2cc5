// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The directory entries that the picture list must leave out, made the platform's own way.
namespace UnlistedFiles {

// Makes in the folder one entry of each kind that a "*.jpg" search may meet but must not offer, with the
// JPEG as content where the entry holds any, and returns their names. Everywhere a folder; on Linux a
// dot-file, a dangling link, a link to a folder and a named pipe; on Windows a hidden file, a system file
// and "notes.jpgx", whose short name ends in .JPG.
QStringList Make(const QString &folder, const QByteArray &jpeg);

// Whether the platform allows a file of this name: Windows takes no control characters and none of <>:"/\|?*.
bool NameAllowed(const QString &name);

// Whether the platform's file names are told apart without regard to case ("B.jpg" is "b.jpg"), as on Windows.
bool NamesIgnoreCase();

// Makes the link, in the target's folder, to the target, where any user may make links (not on Windows);
// tells whether it did.
bool MakeLink(const QString &target, const QString &link);

} // namespace UnlistedFiles
