// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrivateDisplay.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

PrivateDisplay::PrivateDisplay()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    // Xvfb writes the display number it chose to this descriptor once it accepts connections.
    const std::string fd = std::to_string(pipeEnds[1]);
    const char *arguments[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&server, "Xvfb", &actions, nullptr, const_cast<char **>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed) {
        server = -1;
        close(pipeEnds[0]);
        return;
    }
    // Xvfb ends itself if the pipe closes before it has written the whole line.
    std::string number;
    char digit = 0;
    while (read(pipeEnds[0], &digit, 1) == 1 && digit != '\n')
        number += digit;
    close(pipeEnds[0]);
    if (!number.empty())
        displayName = ':' + number;
}

PrivateDisplay::~PrivateDisplay()
{
    if (server <= 0)
        return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}
