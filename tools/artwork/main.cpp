// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Compositions.h"
#include "IconArt.h"
#include "Landscapes.h"
#include "TitleArt.h"

#include "desktop/TitleWords.h"
#include "desktop/Translations.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

bool save(const QImage &image, const QString &path, int quality = -1)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, nullptr, quality)) {
        std::fprintf(stderr, "tilora_artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The start picture's words, one band a language and a scale, each keeping its words as its text
// so that a test notices a band the translation has left behind.
bool saveStartBands(const QString &art)
{
    bool written = true;
    for (const QString &language : QStringList{QStringLiteral("en")} + Translations::Available()) {
        const Translations translations{QLocale(language)};
        for (const int scale : {1, 2}) {
            QImage band(TitleWords::StartBand.size() * scale, QImage::Format_ARGB32_Premultiplied);
            band.fill(Qt::transparent);
            band.setDevicePixelRatio(scale);
            {
                QPainter painter(&band);
                painter.translate(-TitleWords::StartBand.topLeft());
                TitleWords::LetterStart(painter);
            }
            band.setText(QStringLiteral("Words"), TitleWords::StartWords());
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
            written = written && save(band, art + QStringLiteral("words/start_%1%2.png").arg(language, suffix));
        }
    }
    return written;
}

}

int main(int argc, char *argv[])
{
    // Text is drawn through the platform's fonts, but no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tilora_artwork <repository root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString art = root.filePath(QStringLiteral("desktop/art/"));
    const QString images = root.filePath(QStringLiteral("images/"));

    bool written = save(IconArt::appIcon(32), art + "tilora.png")
                && save(IconArt::questionMark(), art + "about.png")
                && save(IconArt::exitArrow(), art + "exit.png")
                && save(IconArt::leaveThroughDoor(), art + "leave.png")
                && save(IconArt::dragHand(32), art + "drag32.png")
                && save(IconArt::dragHand(16), art + "drag16.png")
                && save(IconArt::tick(), art + "tick.png")
                && save(IconArt::cross(), art + "cross.png")
                && save(TitleArt::builtinPicture(), art + "builtin.jpg", 92)
                && save(TitleArt::aboutPicture(), art + "about.jpg", 92)
                && save(TitleArt::builtinPicture(2), art + "builtin@2x.jpg", 92)
                && save(TitleArt::aboutPicture(2), art + "about@2x.jpg", 92);
    written = written && saveStartBands(art);
    // 192 and 512 are the sizes a web app's manifest offers for its launcher icon and splash screen.
    for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512})
        written = written && save(IconArt::appIcon(size), art + QStringLiteral("hicolor/%1.png").arg(size));

    const QList<QPair<QString, std::function<QImage()>>> samples = {
        {"sunset-hills.jpg", Landscapes::sunsetHills},
        {"mountain-lake.jpg", Landscapes::mountainLake},
        {"flower-field.jpg", Landscapes::flowerField},
        {"hot-air-balloons.jpg", Landscapes::hotAirBalloons},
        {"city-at-night.jpg", Landscapes::cityAtNight},
        {"coral-reef.jpg", Compositions::coralReef},
        {"stained-glass.jpg", Compositions::stainedGlass},
        {"fruit-bowl.jpg", Compositions::fruitBowl},
        {"geometric-tiles.jpg", Compositions::geometricTiles},
        {"space-nebula.jpg", Compositions::spaceNebula},
    };
    for (const auto &[name, paint] : samples)
        written = written && save(paint(), images + name, 85);
    return written ? 0 : 1;
}
