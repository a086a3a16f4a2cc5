// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

class QPushButton;
class QWidget;

// A command button showing only its 32 × 32 face; the name and description are for screen readers.
QPushButton *IconButton(QWidget *parent, const QIcon &face, const QString &name, const QString &description);
