// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QProcess;

namespace ChildProcess {

// Has the kernel end the process if the test dies first, so no X server or game outlives a crash.
void DieWithParent(QProcess &process);

} // namespace ChildProcess
