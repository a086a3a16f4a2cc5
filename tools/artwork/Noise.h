// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Smooth value noise: gives painted surfaces texture that varies from place
// to place, so no two pieces of a picture look alike.
class Noise
{
public:
    explicit Noise(quint32 seed) : seed(seed) {}

    // Both return values in [0, 1].
    double value(double x, double y) const;
    double fractal(double x, double y, int octaves = 5) const;

private:
    double lattice(int x, int y) const;

    quint32 seed;
};
