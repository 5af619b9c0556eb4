#include "WizardWindows.h"
#include "base/SetupGlobals.h"
#include <commctrl.h>
#include <process.h>
#include <algorithm>

namespace {
const char kFrameClass[] = "WorkerTestFrame";
WizardWindows* g_current = nullptr;
WNDPROC g_barDefault = NULL;  // the progress class's own procedure

std::string TextOf(HWND window) {
    char buffer[1024] = {0};
    SendMessageA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

struct BoxSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBoxes(HWND window, LPARAM param) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = {0};
    GetClassNameA(window, className, sizeof(className));
    // A box can be listed before its initialisation is done: wait for its controls.
    if (process == search->process && std::string(className) == "#32770" && IsWindowVisible(window) &&
        GetDlgItem(window, IDOK) && GetDlgItem(window, 0xFFFF))
        search->found.push_back(window);
    return TRUE;
}
}  // namespace

void PrintTo(const ProgressMessage& m, std::ostream* out) {
    switch (m.message) {
    case PBM_SETRANGE: *out << "SETRANGE(" << LOWORD(m.lParam) << ".." << HIWORD(m.lParam) << ")"; break;
    case PBM_SETSTEP: *out << "SETSTEP(" << m.wParam << ")"; break;
    case PBM_SETPOS: *out << "SETPOS(" << m.wParam << ")"; break;
    case PBM_GETPOS: *out << "GETPOS"; break;
    default: *out << "message " << m.message << "(" << m.wParam << ", " << m.lParam << ")";
    }
}

ProgressScript& ProgressScript::Range(int maximum) {
    messages.push_back({PBM_SETRANGE, 0, MAKELPARAM(0, maximum)});
    messages.push_back({PBM_SETSTEP, 10, 0});
    return *this;
}

ProgressScript& ProgressScript::SetPos(int position) {
    messages.push_back({PBM_SETPOS, static_cast<WPARAM>(position), 0});
    m_position = position;
    return *this;
}

ProgressScript& ProgressScript::AdvanceTo(int position) {
    while (m_position < position) {
        messages.push_back({PBM_GETPOS, 0, 0});
        m_position += 10;
        messages.push_back({PBM_SETPOS, static_cast<WPARAM>(m_position), 0});
    }
    return *this;
}

WizardWindows::WizardWindows() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleA(NULL);
    frameClass.lpszClassName = kFrameClass;
    RegisterClassA(&frameClass);  // fails harmlessly when a previous test registered it

    g_current = this;
    m_frame = CreateWindowExA(0, kFrameClass, "Setup", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                              503, 407, NULL, NULL, GetModuleHandleA(NULL), NULL);
    m_bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 20, 135, 457,
                            20, m_frame, reinterpret_cast<HMENU>(1103), GetModuleHandleA(NULL), NULL);
    g_barDefault = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarProc)));
    SetupGlobals.frameWindow = m_frame;
    SetupGlobals.progressControl = m_bar;
}

WizardWindows::~WizardWindows() {
    SetupGlobals.frameWindow = NULL;
    SetupGlobals.progressControl = NULL;
    DestroyWindow(m_frame);
    g_current = nullptr;
}

LRESULT CALLBACK WizardWindows::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WorkerRun* run = g_current ? g_current->m_run : nullptr;
    if (message == WM_NULL && run && (wParam || lParam)) {
        run->commands.emplace_back(wParam, lParam);
        return 0;
    }
    if (message == WM_CLOSE) {  // the real frame ends its modal loop; this one only counts
        if (run && run->closeRequests++ == 0) run->closeConfirmAtClose = SetupGlobals.g_closeConfirm;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK WizardWindows::BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WizardWindows* self = g_current;
    if (self && self->m_run && message >= WM_USER && message < WM_USER + 0x100) {
        self->m_run->progress.push_back({message, wParam, lParam});
        if (!InSendMessage()) self->m_run->allProgressSent = false;
    }
    return CallWindowProcA(g_barDefault, window, message, wParam, lParam);
}

void WizardWindows::AnswerBoxes() {
    BoxSearch search = {GetCurrentProcessId(), {}};
    EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.found) {
        if (std::find(m_answered.begin(), m_answered.end(), box) != m_answered.end()) continue;
        m_answered.push_back(box);
        m_run->boxes.push_back({TextOf(GetDlgItem(box, 0xFFFF)), TextOf(box), GetWindow(box, GW_OWNER)});
        // Posted, never sent: the box's own loop on the worker thread handles it.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }
}

WorkerRun WizardWindows::Run(WorkerProc worker) {
    WorkerRun run;
    m_run = &run;
    m_answered.clear();
    SetupGlobals.g_closeConfirm = true;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(NULL, 0, worker, NULL, 0, &threadId);
    DWORD start = GetTickCount();
    while (thread) {
        DWORD wait = MsgWaitForMultipleObjects(1, &thread, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (wait == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
        AnswerBoxes();
        if (GetTickCount() - start > 60000) {
            TerminateThread(thread, 99);
            break;
        }
    }
    if (thread) {
        GetExitCodeThread(thread, &run.exitCode);
        CloseHandle(thread);
    }
    m_run = nullptr;
    run.finalPosition = static_cast<int>(SendMessageA(m_bar, PBM_GETPOS, 0, 0));
    return run;
}
