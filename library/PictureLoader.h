// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Board.h"

#include <QImage>
#include <QSize>
#include <QString>

// The size pictures are prepared to for play, in logical pixels: the board's whole picture.
constexpr QSize PlaySize()
{
    return {board::PictureWidth, board::PictureHeight};
}

// Why a picture file could not be prepared; the plain-words text for the player is in `error`.
enum class PictureError { None, Missing, Unreadable, NotAPicture, Damaged, TooLarge };

// The outcome of preparing a picture file: the image, or a reason in plain words.
struct PreparedPicture {
    QImage image;
    QString error;
    PictureError kind = PictureError::None;

    bool ok() const { return !image.isNull(); }
};

// The one place picture files are read. Decodes straight to the requested size (stretched,
// aspect ratio not kept), honours the EXIF orientation, and refuses damaged or huge files
// without allocating for them. The last preparation is kept, keyed by path, requested size, file size
// and modification time, so a picture previewed in the chooser starts its game without a second decode.
namespace PictureLoader {

// size is in device pixels; the image comes back exactly that size, in Format_RGB32
// (Format_ARGB32_Premultiplied for a picture with transparency).
PreparedPicture Prepare(const QString &path, QSize size);

// Forgets the kept preparation.
void ClearCache();

} // namespace PictureLoader
