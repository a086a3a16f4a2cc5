// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// splitmix64: the same seed gives the same artwork on every machine, which
// the standard distributions do not promise.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed) : state(seed) {}

    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double uniform() { return double(next() >> 11) * 0x1.0p-53; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    int below(int count) { return int(next() % quint64(count)); }
    bool chance(double probability) { return uniform() < probability; }

private:
    quint64 state;
};
