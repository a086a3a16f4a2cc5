// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowShape.h"

#include <QWidget>
#include <QWindow>

namespace WindowShape {

// Qt keeps the mask it handed on, in client coordinates, frame included.
QRegion ClientShape(const QWidget &window)
{
    const QRect client = window.rect();
    const QRegion frame = QRegion(client.marginsAdded(window.windowHandle()->frameMargins())) - client;
    if (window.mask() - client != frame)
        return {};
    return window.mask() & client;
}

} // namespace WindowShape
