// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MapTimer.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int LaunchTimeoutMilliseconds = 20000;

struct FreeEvent {
    void operator()(void *event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

bool Exited(pid_t child)
{
    return waitpid(child, nullptr, WNOHANG) == child;
}

} // namespace

MapTimer::MapTimer(const std::string &display)
    : displayVariable("DISPLAY=" + display)
{
    connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        connection = nullptr;
        return;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

MapTimer::~MapTimer()
{
    if (connection)
        xcb_disconnect(connection);
}

MapTimer::Launch MapTimer::Time(const std::string &program, int expectedWidth, int expectedHeight)
{
    std::vector<char *> environment = ChildEnvironment();
    char *arguments[] = {const_cast<char *>(program.c_str()), nullptr};
    // Qt's warnings would otherwise mix with the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int failed = posix_spawn(&child, program.c_str(), &quiet, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (failed)
        return {0, 0, "cannot start " + program};
    const xcb_window_t window = WaitForMap(child);
    const auto mapped = std::chrono::steady_clock::now();
    // Read as the window maps, and the program left running: it may map its window while it holds
    // the server, which a stopped program would hold for ever and the size asked below wait on.
    Launch launch{std::chrono::duration<double, std::milli>(mapped - start).count(), CpuMilliseconds(child), {}};
    if (!window)
        launch.error = program + " mapped no window";
    else if (launch.cpuMilliseconds < 0)
        launch.error = program + " ended as its window mapped";
    else if (!HasSize(window, expectedWidth, expectedHeight))
        launch.error = program + " mapped a window of the wrong size";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    if (window)
        WaitForDestroy(window);
    return launch;
}

// The next event, or null when none came in time.
xcb_generic_event_t *MapTimer::NextEvent(int timeoutMilliseconds)
{
    if (xcb_generic_event_t *queued = xcb_poll_for_event(connection))
        return queued;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    if (poll(&descriptor, 1, timeoutMilliseconds) <= 0)
        return nullptr;
    return xcb_poll_for_event(connection);
}

// Waits for the first top-level window that is not a popup; 0 if the program ended or hung first.
xcb_window_t MapTimer::WaitForMap(pid_t child)
{
    for (int waited = 0; waited < LaunchTimeoutMilliseconds && !Exited(child);) {
        const Event event(NextEvent(50));
        if (!event) {
            waited += 50;
            continue;
        }
        if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
            continue;
        const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
        if (map->event == root && !map->override_redirect)
            return map->window;
    }
    return 0;
}

bool MapTimer::HasSize(xcb_window_t window, int width, int height)
{
    const Event geometry(reinterpret_cast<xcb_generic_event_t *>(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr)));
    if (!geometry)
        return false;
    const auto *reply = reinterpret_cast<const xcb_get_geometry_reply_t *>(geometry.get());
    return reply->width == width && reply->height == height;
}

// The server has cleaned up after the ended program, so the next launch starts from the same state.
void MapTimer::WaitForDestroy(xcb_window_t window)
{
    for (int waited = 0; waited < LaunchTimeoutMilliseconds;) {
        const Event event(NextEvent(50));
        if (!event) {
            waited += 50;
            continue;
        }
        const auto *destroy = reinterpret_cast<const xcb_destroy_notify_event_t *>(event.get());
        if ((event->response_type & ~0x80) == XCB_DESTROY_NOTIFY && destroy->window == window)
            return;
    }
}

// From the scheduler's nanosecond count per thread; /proc's user and system times count in 10 ms ticks.
double MapTimer::CpuMilliseconds(pid_t child)
{
    const std::string tasks = "/proc/" + std::to_string(child) + "/task";
    double nanoseconds = 0;
    std::error_code gone;
    for (const auto &task : std::filesystem::directory_iterator(tasks, gone)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return gone ? -1 : nanoseconds / 1e6;
}

// The caller's environment on our display, always through the xcb platform plugin.
std::vector<char *> MapTimer::ChildEnvironment()
{
    static char platform[] = "QT_QPA_PLATFORM=xcb";
    std::vector<char *> environment;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "DISPLAY=", 8) != 0 && std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0
            && std::strncmp(*variable, "WAYLAND_DISPLAY=", 16) != 0)
            environment.push_back(*variable);
    }
    environment.push_back(displayVariable.data());
    environment.push_back(platform);
    environment.push_back(nullptr);
    return environment;
}
