// Loaded into Setup.exe by a window hook of the driver: stops its worker at one chosen
// boundary between two steps, tells the driver through a named event, and waits there
// until the driver ends the process. The boundary comes from E2E_STOP_AT:
//   bar:N     the worker is about to set the progress bar to N (the steps before are done)
//   layout    the worker is about to register the layout (the earlier one is purged)
//   unrecord:NAME  the worker is about to delete the record's value NAME
// With "hold:" before the point, the worker waits there only until the driver sets the event
// E2eStepTrapRelease, and then goes on.
// The same hook also measures the texts of a page when the driver asks (Measure.cpp).
#include <windows.h>
#include <commctrl.h>
#include "PatchFunction.h"

namespace {
enum class Point { None, Bar, Layout, Unrecord };
Point g_point = Point::None;
int g_barPosition = -1;
char g_valueName[24] = {0};

using SendMessageFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
using InstallImeFn = HKL(WINAPI*)(LPCSTR, LPCSTR);
using DeleteValueFn = LONG(WINAPI*)(HKEY, LPCSTR);
SendMessageFn g_sendMessage = nullptr;
InstallImeFn g_installIme = nullptr;
DeleteValueFn g_deleteValue = nullptr;

bool g_hold = false;

void Stop() {
    if (HANDLE reached = OpenEventA(EVENT_MODIFY_STATE, FALSE, "E2eStepTrapReached")) {
        SetEvent(reached);
        CloseHandle(reached);
    }
    HANDLE release = g_hold ? OpenEventA(SYNCHRONIZE, FALSE, "E2eStepTrapRelease") : NULL;
    if (!release) for (;;) Sleep(INFINITE);
    WaitForSingleObject(release, INFINITE);
    CloseHandle(release);
    g_point = Point::None;
}

LRESULT WINAPI TrappedSendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_point == Point::Bar && message == PBM_SETPOS && static_cast<int>(wParam) == g_barPosition) Stop();
    return g_sendMessage(window, message, wParam, lParam);
}

HKL WINAPI TrappedImmInstallIMEA(LPCSTR file, LPCSTR text) {
    if (g_point == Point::Layout) Stop();
    return g_installIme(file, text);
}

LONG WINAPI TrappedRegDeleteValueA(HKEY key, LPCSTR name) {
    if (g_point == Point::Unrecord && name && lstrcmpiA(name, g_valueName) == 0) Stop();
    return g_deleteValue(key, name);
}

void Arm() {
    char given[40] = {0};
    if (!GetEnvironmentVariableA("E2E_STOP_AT", given, sizeof(given))) return;
    g_hold = CompareStringA(LOCALE_INVARIANT, 0, given, 5, "hold:", 5) == CSTR_EQUAL;
    const char* point = g_hold ? given + 5 : given;
    if (point[0] == 'b' && point[1] == 'a' && point[2] == 'r' && point[3] == ':') {
        g_barPosition = 0;
        for (const char* digit = point + 4; *digit >= '0' && *digit <= '9'; ++digit)
            g_barPosition = g_barPosition * 10 + (*digit - '0');
        g_point = Point::Bar;
    } else if (lstrcmpA(point, "layout") == 0) {
        g_point = Point::Layout;
    } else if (CompareStringA(LOCALE_INVARIANT, 0, point, 9, "unrecord:", 9) == CSTR_EQUAL) {
        lstrcpynA(g_valueName, point + 9, sizeof(g_valueName));
        g_point = Point::Unrecord;
    } else {
        return;
    }
    g_sendMessage = reinterpret_cast<SendMessageFn>(
        PatchFunction("user32.dll", "SendMessageA", reinterpret_cast<void*>(&TrappedSendMessageA)));
    g_installIme = reinterpret_cast<InstallImeFn>(
        PatchFunction("imm32.dll", "ImmInstallIMEA", reinterpret_cast<void*>(&TrappedImmInstallIMEA)));
    g_deleteValue = reinterpret_cast<DeleteValueFn>(
        PatchFunction("advapi32.dll", "RegDeleteValueA", reinterpret_cast<void*>(&TrappedRegDeleteValueA)));
    bool patched = (g_point != Point::Bar || g_sendMessage) && (g_point != Point::Layout || g_installIme) &&
                   (g_point != Point::Unrecord || g_deleteValue);
    if (!patched) return;
    if (HANDLE armed = OpenEventA(EVENT_MODIFY_STATE, FALSE, "E2eStepTrapArmed")) {
        SetEvent(armed);
        CloseHandle(armed);
    }
}
}  // namespace

// Measure.cpp
void ArmMeasuring();
void MeasureIfAsked(const CWPSTRUCT& message);

extern "C" __declspec(dllexport) LRESULT CALLBACK StepTrapHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) MeasureIfAsked(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return CallNextHookEx(NULL, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH && InSetupExe()) {
        Arm();
        ArmMeasuring();
    }
    return TRUE;
}
