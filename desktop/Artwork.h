// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The compiled-in artwork, prepared for the widgets that show it.
namespace Artwork {

// A 32 × 32 button face; light grey (192, 192, 192) in a face without alpha is shown transparent.
QIcon ButtonFace(const QString &resource);

// A compiled-in picture for a screen of the given pixel ratio: its 2× drawing where the screen
// is denser than 1×, so text and edges stay sharp.
QImage ScreenPicture(const QString &resource, qreal ratio);

// The window icon, also the New Game face.
QIcon WindowIcon();

// The hand holding a sheet of paper, shown while a cell is dragged.
QCursor DragCursor();

} // namespace Artwork
