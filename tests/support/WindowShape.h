// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRegion>

class QWidget;

// The shape of a shown window as the window system holds it.
namespace WindowShape {

// The part of the client area inside the shape, in client coordinates, provided that the shape holds the
// whole frame the platform reports; an empty region if any of the frame is cut.
QRegion ClientShape(const QWidget &window);

} // namespace WindowShape
