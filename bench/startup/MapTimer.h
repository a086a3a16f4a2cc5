// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>
#include <xcb/xcb.h>

// Starts programs on an X display and times each from just before its process is spawned until the
// server maps its first top-level window, as seen by a client of the same server.
class MapTimer {
public:
    explicit MapTimer(const std::string &display);
    ~MapTimer();
    MapTimer(const MapTimer &) = delete;
    MapTimer &operator=(const MapTimer &) = delete;

    bool connected() const { return connection != nullptr; }

    struct Launch {
        double milliseconds = 0;
        // CPU time of all the program's threads until the map was seen; steadier than the wall
        // time on a busy machine, and if anything slightly long, by work done after the map.
        double cpuMilliseconds = 0;
        std::string error; // empty when the window mapped as expected
    };

    // Runs program until its window maps, stops it there, checks the window's size, then ends it.
    Launch Time(const std::string &program, int expectedWidth, int expectedHeight);

private:
    xcb_generic_event_t *NextEvent(int timeoutMilliseconds);
    xcb_window_t WaitForMap(pid_t child);
    bool HasSize(xcb_window_t window, int width, int height);
    void WaitForDestroy(xcb_window_t window);
    std::vector<char *> ChildEnvironment();
    // -1 when the program has already ended.
    static double CpuMilliseconds(pid_t child);

    std::string displayVariable;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
};
