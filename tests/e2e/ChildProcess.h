#pragma once

class QProcess;

namespace ChildProcess {

// Has the kernel end the process if the test dies first, so no X server or game outlives a crash.
void DieWithParent(QProcess &process);

} // namespace ChildProcess
