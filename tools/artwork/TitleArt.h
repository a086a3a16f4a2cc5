// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The pictures that carry the game's name, at 1× or at a larger scale for dense screens. Only the
// name is drawn here: the program letters the rest at run time, in the player's language.
class TitleArt
{
public:
    static QImage builtinPicture(int scale = 1);
    static QImage aboutPicture(int scale = 1);
};
