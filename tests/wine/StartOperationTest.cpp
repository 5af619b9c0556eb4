// Starting an operation: the progress page is asked for first, then the worker runs on a
// thread of its own at above-normal priority, already set when its first step runs.
#include "base/SetupGlobals.h"
#include "base/WizardCommand.h"
#include "ui/Operation.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<WPARAM, LPARAM>> g_commands;
bool g_workerSeenAtCommand = true;
HANDLE g_workerDone = NULL;
DWORD g_workerThread = 0;
int g_workerPriority = -100;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NULL) {
        g_commands.push_back({wParam, lParam});
        g_workerSeenAtCommand = g_workerThread != 0;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

unsigned long __stdcall RecordingWorker(void*) {
    g_workerPriority = GetThreadPriority(GetCurrentThread());
    g_workerThread = GetCurrentThreadId();
    SetEvent(g_workerDone);
    return 1;
}

TEST(StartOperation, ProgressPageFirstThenWorkerAboveNormal) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleA(NULL);
    frameClass.lpszClassName = "StartOperationFrame";
    ASSERT_TRUE(RegisterClassA(&frameClass));
    SetupGlobals.frameWindow = CreateWindowA("StartOperationFrame", "", 0, 0, 0, 10, 10, NULL, NULL,
                                             frameClass.hInstance, NULL);
    ASSERT_TRUE(SetupGlobals.frameWindow);
    g_workerDone = CreateEventA(NULL, TRUE, FALSE, NULL);

    StartOperation(OP_REPAIR, RecordingWorker);
    ASSERT_EQ(WaitForSingleObject(g_workerDone, 10000), WAIT_OBJECT_0);

    ASSERT_EQ(g_commands.size(), 1u);
    EXPECT_EQ(g_commands[0].first, static_cast<WPARAM>(CMD_SHOW_PROGRESS));
    EXPECT_EQ(g_commands[0].second, OP_REPAIR);
    EXPECT_FALSE(g_workerSeenAtCommand);
    EXPECT_NE(g_workerThread, GetCurrentThreadId());
    EXPECT_EQ(g_workerPriority, THREAD_PRIORITY_ABOVE_NORMAL);
    DestroyWindow(SetupGlobals.frameWindow);
    CloseHandle(g_workerDone);
}
}  // namespace
