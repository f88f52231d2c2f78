// Work the author does not wait for, run below the window's priority.
#include "Nachrangig.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

void nachrangigArbeiten()
{
#ifdef Q_OS_LINUX
    // On Linux a thread has a niceness of its own.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#elif defined(Q_OS_WIN)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#endif
}
