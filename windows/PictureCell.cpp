// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PictureCell.h"

#include "desktop/Artwork.h"

#include <QGuiApplication>
#include <QMouseEvent>

PictureCell::PictureCell(int index, QWidget *parent)
    : PictureBox(parent)
    , Index(index)
{
}

void PictureCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || dragging)
        return;
    dragging = true;
    QGuiApplication::setOverrideCursor(Artwork::DragCursor());
}

void PictureCell::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !dragging)
        return;
    EndDrag();
    emit Released(this, event->globalPosition().toPoint());
}

// A cell hidden under the pointer (the clock ran out mid-drag) never sees its release.
void PictureCell::hideEvent(QHideEvent *event)
{
    if (dragging)
        EndDrag();
    PictureBox::hideEvent(event);
}

void PictureCell::EndDrag()
{
    dragging = false;
    QGuiApplication::restoreOverrideCursor();
}
