// Stand-ins for the wizard's windows while a worker runs: a frame that records the wizard
// commands and close requests it receives, and a real progress bar whose messages are
// recorded by subclassing it. The test's thread owns both windows and pumps messages until
// the worker thread ends; error boxes the worker shows are read and dismissed with OK.
#pragma once
#include <windows.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

struct ProgressMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const ProgressMessage& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
void PrintTo(const ProgressMessage& m, std::ostream* out);

// Builds the progress messages a worker is expected to send.
class ProgressScript {
public:
    ProgressScript& Range(int maximum);  // PBM_SETRANGE 0..maximum, PBM_SETSTEP 10
    ProgressScript& SetPos(int position);
    ProgressScript& AdvanceTo(int position);  // PBM_GETPOS + PBM_SETPOS in steps of 10
    std::vector<ProgressMessage> messages;

private:
    int m_position = 0;
};

struct ErrorBox {
    std::string text;     // of the static control 65535
    std::string caption;
    HWND owner;
};

struct WorkerRun {
    bool ended = false;  // false: the worker did not end within a minute
    DWORD exitCode = 0;
    std::vector<ProgressMessage> progress;
    bool allProgressSent = true;  // every progress message came through SendMessage from the worker
    std::vector<std::pair<WPARAM, LPARAM>> commands;  // WM_NULL received by the frame
    int closeRequests = 0;
    bool closeConfirmAtClose = true;  // g_closeConfirm when the first WM_CLOSE arrived
    std::vector<ErrorBox> boxes;
    int finalPosition = -1;  // of the bar after the run
};

typedef unsigned long(__stdcall* WorkerProc)(void*);  // as base/WizardCommand.h

class WizardWindows {
public:
    WizardWindows();  // also points SetupGlobals at the two windows
    ~WizardWindows();
    WizardWindows(const WizardWindows&) = delete;
    WizardWindows& operator=(const WizardWindows&) = delete;

    HWND frame() const { return m_frame; }
    HWND bar() const { return m_bar; }
    // Sets g_closeConfirm, starts worker on a thread of its own and serves it until it ends.
    WorkerRun Run(WorkerProc worker);

private:
    static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK BarProc(HWND, UINT, WPARAM, LPARAM);
    void AnswerBoxes();

    HWND m_frame = NULL;
    HWND m_bar = NULL;
    WorkerRun* m_run = nullptr;
    std::vector<HWND> m_answered;
};
