#include "ui/Operation.h"

void StartOperation(int operation, WorkerProc worker) {
    SendWizardCommand(CMD_SHOW_PROGRESS, operation);
    // CREATE_SUSPENDED so that the priority is in place before the worker's first step.
    // Windows 95 refuses a NULL thread-id pointer.
    DWORD threadId = 0;
    HANDLE thread = CreateThread(NULL, 0, worker, NULL, CREATE_SUSPENDED, &threadId);
    if (!thread) return;
    SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
    ResumeThread(thread);
    CloseHandle(thread);  // nobody waits for the worker
}
