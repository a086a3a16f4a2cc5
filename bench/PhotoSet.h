// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <vector>

struct Photo {
    QString name;
    QString path;
    QSize size;
    bool progressive = false;
};

// Photo-like JPEGs written at run time, quality 90 with 4:2:0 chroma, as cameras write them.
class PhotoSet {
public:
    PhotoSet();

    const std::vector<Photo> &photos() const { return all; }
    const Photo &find(const QString &name) const;

private:
    void add(const QString &name, QSize size, bool progressive);

    QTemporaryDir folder;
    std::vector<Photo> all;
};
