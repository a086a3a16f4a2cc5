// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Noise.h"

#include <cmath>

static double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double Noise::lattice(int x, int y) const
{
    quint32 h = seed ^ (quint32(x) * 0x27D4EB2Du) ^ (quint32(y) * 0x165667B1u);
    h = (h ^ (h >> 15)) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= h >> 16;
    return double(h) / 4294967295.0;
}

double Noise::value(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::fractal(double x, double y, int octaves) const
{
    double sum = 0.0;
    double amplitude = 0.5;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Offsetting each octave hides the lattice lines they would share.
        sum += amplitude * value(x + octave * 17.31, y - octave * 9.77);
        total += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}
