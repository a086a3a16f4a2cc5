// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QProcess;

namespace ChildProcess {

// Has the kernel end the process if the test dies first, so no X server or game outlives a crash.
void DieWithParent(QProcess &process);

// Asks the process to end, and ends it if it will not; returns once it is gone.
void Stop(QProcess &process);

} // namespace ChildProcess
