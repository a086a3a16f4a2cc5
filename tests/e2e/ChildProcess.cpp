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
