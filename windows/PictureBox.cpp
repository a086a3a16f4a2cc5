// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const QImage &image)
{
    picture = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (picture.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(rect(), picture);
}
