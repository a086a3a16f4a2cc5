#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The compiled-in artwork, prepared for the widgets that show it.
namespace Artwork {

// A 32 × 32 button face; light grey (192, 192, 192) in a face without alpha is shown transparent.
QIcon ButtonFace(const QString &resource);

// The window icon, also the New Game face.
QIcon WindowIcon();

// The hand holding a sheet of paper, shown while a cell is dragged.
QCursor DragCursor();

} // namespace Artwork
