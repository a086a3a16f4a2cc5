// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <optional>

// Finds windows by what they show, where the window system names none (Wayland).
namespace ScreenSearch {

// Where the needle's top-left corner lies in the shot, comparing only the needle's opaque pixels,
// each within a step or two of rounding; the first match from the top, or none.
std::optional<QPoint> Find(const QImage &shot, const QImage &needle);

// A button face as drawn: its light grey shows the button, so only the other pixels are compared.
QImage Face(const QString &file);

} // namespace ScreenSearch
