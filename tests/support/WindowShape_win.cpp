// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowShape.h"

#include <QTransform>
#include <QWidget>
#include <vector>
#include <windows.h>

namespace {

QRegion Region(HRGN handle)
{
    const DWORD bytes = GetRegionData(handle, 0, nullptr);
    std::vector<char> buffer(bytes);
    auto *data = reinterpret_cast<RGNDATA *>(buffer.data());
    QRegion region;
    if (bytes == 0 || GetRegionData(handle, bytes, data) != bytes)
        return region;
    const auto *rects = reinterpret_cast<const RECT *>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        region += QRect(QPoint(rects[i].left, rects[i].top), QPoint(rects[i].right - 1, rects[i].bottom - 1));
    return region;
}

} // namespace

namespace WindowShape {

// Windows holds the region in pixels of the whole window, frame included; the client area lies where
// Windows itself puts it.
QRegion ClientShape(const QWidget &window)
{
    const auto handle = reinterpret_cast<HWND>(window.winId());
    RECT outer{};
    RECT inner{};
    GetWindowRect(handle, &outer);
    GetClientRect(handle, &inner);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    const QRect whole(0, 0, outer.right - outer.left, outer.bottom - outer.top);
    const QRect client(origin.x - outer.left, origin.y - outer.top, inner.right, inner.bottom);

    HRGN held = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(handle, held) != ERROR;
    const QRegion shape = shaped ? Region(held) : QRegion(whole);
    DeleteObject(held);
    if (shape - client != QRegion(whole) - client)
        return {};
    const qreal ratio = window.devicePixelRatio();
    return QTransform::fromScale(1 / ratio, 1 / ratio).map((shape & client).translated(-client.topLeft()));
}

} // namespace WindowShape
