// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The compiled-in artwork, prepared for the widgets that show it.
namespace Artwork {

// Resources are read in the format their suffix names; ".rgb32" and ".argb32" are images the
// build has decoded already, which start-up reads without decoding.

// A 32 × 32 button face; light grey (192, 192, 192) in a face without alpha is shown transparent.
QIcon ButtonFace(const QString &resource);

// A compiled-in picture for a screen of the given pixel ratio: its 2× drawing where the screen
// is denser than 1×, so text and edges stay sharp.
QImage ScreenPicture(const QString &resource, qreal ratio);

// The window icon, also the New Game face.
QIcon WindowIcon();

// The drag pointer's size, 16 or 32: the one nearer the pointer size the desktop asks for in
// XCURSOR_SIZE, 24 where it holds no number. The screen's pixel ratio does not enter: X11 reads
// that size in device pixels and shows our picture pixel for pixel, and Qt's Wayland client reads
// it in logical pixels and shows a picture of ratio 1 at one logical pixel per pixel.
int DragPointerSize(const QByteArray &xcursorSize);

// The hand holding a sheet of paper, shown while a cell is dragged.
QCursor DragCursor();

} // namespace Artwork
