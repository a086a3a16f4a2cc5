// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The ways the benchmark compares of turning a photo file into a picture of the play size.
namespace Preparations {

using Preparation = QImage (*)(const QString &path, QSize size);

// The game's own loader, with nothing kept from an earlier call.
QImage Ours(const QString &path, QSize size);

// Decodes every pixel, then scales down: what a plain QImage load would do.
QImage Naive(const QString &path, QSize size);

// libjpeg-turbo's own scaled decode at the smallest scale still covering the size, then the same
// smooth scale: the least any JPEG decoder on this machine can do.
QImage Floor(const QString &path, QSize size);

// "ours", "naive" or "floor"; nullptr for any other name.
Preparation ByName(const QString &name);

} // namespace Preparations
