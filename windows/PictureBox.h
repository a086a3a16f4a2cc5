// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// A box that keeps the picture painted into it, so what it shows can be read back.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    const QImage &Picture() const { return picture; }
    void SetPicture(const QImage &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture;
};
