// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>

class QPainter;

// The pictures that carry the game's name, with their words over the committed art in the
// program's language, so that no picture speaks English to a player who reads another language.
// The About picture is lettered as it opens. The start picture's words are lettered ahead by the
// artwork tool, one band per language, since fonts would cost start-up half as much again.
class TitleWords {
    Q_DECLARE_TR_FUNCTIONS(TitleWords)

public:
    // The picture the main window starts with, 320 × 240, for a screen of the given pixel ratio.
    static QImage StartPicture(qreal ratio);
    // The About window's picture, 350 × 80.
    static QImage AboutPicture(qreal ratio);

    // Where the start picture's words lie, and how the artwork tool letters them there in the
    // language installed now, into desktop/art/words/start_<language>.png ("en" for English),
    // each recording its words as its text "Words".
    static constexpr QRect StartBand{0, 134, 320, 36};
    static void LetterStart(QPainter &painter);
    static QString StartWords();
};
