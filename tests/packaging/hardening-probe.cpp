// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Built by hardened.sh with the package build's flags: a name copied into a small buffer
// (fortified) and into stack memory sized at run time (probed against stack clash).

#include <alloca.h>
#include <cstdio>
#include <cstring>
int main(int argc, char **argv)
{
    char name[16];
    std::strcpy(name, argv[argc - 1]);
    const std::size_t size = std::strlen(argv[0]) * 4096;
    char *line = static_cast<char *>(alloca(size));
    std::snprintf(line, size, "%s", name);
    std::puts(line);
}
