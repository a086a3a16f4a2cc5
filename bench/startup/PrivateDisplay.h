// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <sys/types.h>

// An Xvfb server of our own, on whichever display number is free, for as long as this object lives.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay &) = delete;
    PrivateDisplay &operator=(const PrivateDisplay &) = delete;

    // ":n", or empty when the server did not start.
    const std::string &name() const { return displayName; }

private:
    pid_t server = -1;
    std::string displayName;
};
