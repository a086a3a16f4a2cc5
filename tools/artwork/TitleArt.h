#pragma once

#include <QImage>

// The pictures that carry the game's name.
class TitleArt
{
public:
    static QImage builtinPicture();
    static QImage aboutPicture();
};
