// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/IconButton.h"

#include <QPushButton>

QPushButton *IconButton(QWidget *parent, const QIcon &face, const QString &name, const QString &description)
{
    auto *button = new QPushButton(parent);
    button->setIcon(face);
    button->setIconSize(QSize(32, 32));
    button->setAccessibleName(name);
    button->setAccessibleDescription(description);
    return button;
}
