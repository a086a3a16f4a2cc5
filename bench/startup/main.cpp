// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times Tilora from process start until its main window is mapped, against a bare Qt Widgets window
// of the same size started the same way, alternating the two on a private Xvfb.
// Usage: tilora_startup_bench [--runs N] [--tilora PATH] [--bare PATH]

#include "MapTimer.h"
#include "PrivateDisplay.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int WindowWidth = 349;
constexpr int WindowHeight = 329;

struct Options {
    int runs = 15;
    std::string tilora = TILORA_EXECUTABLE;
    std::string bare = BARE_WINDOW_EXECUTABLE;
};

bool Parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--tilora") == 0)
            options.tilora = argv[i + 1];
        else if (std::strcmp(argv[i], "--bare") == 0)
            options.bare = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    std::vector<double> wall;
    std::vector<double> cpu;
};

// One launch added to its series; prints why and returns false when it failed.
bool TimeOne(MapTimer &timer, const std::string &program, Series &series)
{
    const MapTimer::Launch launch = timer.Time(program, WindowWidth, WindowHeight);
    if (!launch.error.empty()) {
        std::fprintf(stderr, "%s\n", launch.error.c_str());
        return false;
    }
    series.wall.push_back(launch.milliseconds);
    series.cpu.push_back(launch.cpuMilliseconds);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--runs N] [--tilora PATH] [--bare PATH]\n", argv[0]);
        return 2;
    }
    const PrivateDisplay display;
    MapTimer timer(display.name());
    if (display.name().empty() || !timer.connected()) {
        std::fprintf(stderr, "cannot start or reach a private Xvfb\n");
        return 1;
    }

    // The first launch of each fills the page cache and fontconfig's caches; it is not counted.
    Series warmUp;
    if (!TimeOne(timer, options.tilora, warmUp) || !TimeOne(timer, options.bare, warmUp))
        return 1;

    std::printf("Start-up until the window is mapped, ms (Xvfb %s, %d runs each): wall time, and in brackets CPU time\n",
                display.name().c_str(), options.runs);
    std::printf("%5s %16s %16s\n", "run", "tilora", "bare");
    Series tilora;
    Series bare;
    for (int run = 0; run < options.runs; ++run) {
        // Taking turns at going first spreads any drift in the machine's load over both.
        const bool tiloraFirst = run % 2 == 0;
        if (!TimeOne(timer, tiloraFirst ? options.tilora : options.bare, tiloraFirst ? tilora : bare)
            || !TimeOne(timer, tiloraFirst ? options.bare : options.tilora, tiloraFirst ? bare : tilora))
            return 1;
        std::printf("%5d %8.1f (%5.1f) %8.1f (%5.1f)\n", run + 1, tilora.wall.back(), tilora.cpu.back(), bare.wall.back(),
                    bare.cpu.back());
    }
    const double wallRatio = Median(tilora.wall) / Median(bare.wall);
    const double cpuRatio = Median(tilora.cpu) / Median(bare.cpu);
    std::printf("median %7.1f (%5.1f) %8.1f (%5.1f)\n", Median(tilora.wall), Median(tilora.cpu), Median(bare.wall),
                Median(bare.cpu));
    std::printf("Tilora / bare: %.2f wall, %.2f CPU (target <= 1.10)\n", wallRatio, cpuRatio);
    return 0;
}
