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

// One launch; prints why and returns a negative time when it failed.
double TimeOne(MapTimer &timer, const std::string &program)
{
    const MapTimer::Launch launch = timer.Time(program, WindowWidth, WindowHeight);
    if (!launch.error.empty()) {
        std::fprintf(stderr, "%s\n", launch.error.c_str());
        return -1;
    }
    return launch.milliseconds;
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
    if (TimeOne(timer, options.tilora) < 0 || TimeOne(timer, options.bare) < 0)
        return 1;

    std::printf("Start-up until the window is mapped, ms (Xvfb %s, %d runs each)\n", display.name().c_str(), options.runs);
    std::printf("%5s %10s %10s\n", "run", "tilora", "bare");
    std::vector<double> tilora;
    std::vector<double> bare;
    for (int run = 0; run < options.runs; ++run) {
        // Taking turns at going first spreads any drift in the machine's load over both.
        const bool tiloraFirst = run % 2 == 0;
        const double first = TimeOne(timer, tiloraFirst ? options.tilora : options.bare);
        const double second = TimeOne(timer, tiloraFirst ? options.bare : options.tilora);
        if (first < 0 || second < 0)
            return 1;
        tilora.push_back(tiloraFirst ? first : second);
        bare.push_back(tiloraFirst ? second : first);
        std::printf("%5d %10.1f %10.1f\n", run + 1, tilora.back(), bare.back());
    }
    const double tiloraMedian = Median(tilora);
    const double bareMedian = Median(bare);
    std::printf("median %9.1f %10.1f\n", tiloraMedian, bareMedian);
    std::printf("Tilora / bare: %.2f (target <= 1.10)\n", tiloraMedian / bareMedian);
    return 0;
}
