// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChildProcess.h"

#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

namespace ChildProcess {

void DieWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

} // namespace ChildProcess
