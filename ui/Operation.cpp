#include "ui/Operation.h"
#include <process.h>

void StartOperation(int operation, WorkerProc worker) {
    SendWizardCommand(CMD_SHOW_PROGRESS, operation);
    // CREATE_SUSPENDED so that the priority is in place before the worker's first step.
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, worker, NULL, CREATE_SUSPENDED, NULL));
    if (!thread) return;
    SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
    ResumeThread(thread);
    CloseHandle(thread);  // nobody waits for the worker
}
