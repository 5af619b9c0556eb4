#include "driver/StepTrap.h"
#include "driver/Check.h"

namespace e2e {
HHOOK HookWizardThread(Wizard& wizard) {
    // Loaded without running its start-up code: in this process the trap has nothing to do.
    HMODULE library = LoadLibraryExW(DriverFolderFile(L"StepTrap.dll").c_str(), NULL, DONT_RESOLVE_DLL_REFERENCES);
    REQUIRE(library != NULL);
    auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "StepTrapHook")));
    REQUIRE(hook != NULL);
    // The hook is loaded into Setup.exe when its window thread next handles a sent message.
    HHOOK handle = SetWindowsHookExW(WH_CALLWNDPROC, hook, library, GetWindowThreadProcessId(wizard.Frame(), NULL));
    REQUIRE(handle != NULL);
    Sync(wizard.Frame());
    return handle;
}

StepTrap::StepTrap(const std::string& point) {
    m_armed = CreateEventA(NULL, TRUE, FALSE, "E2eStepTrapArmed");
    m_reached = CreateEventA(NULL, TRUE, FALSE, "E2eStepTrapReached");
    m_release = CreateEventA(NULL, TRUE, FALSE, "E2eStepTrapRelease");
    REQUIRE(m_armed && m_reached && m_release);
    ResetEvent(m_armed);
    ResetEvent(m_reached);
    ResetEvent(m_release);
    SetEnvironmentVariableA("E2E_STOP_AT", point.c_str());
}

StepTrap::~StepTrap() {
    SetEnvironmentVariableA("E2E_STOP_AT", NULL);
    if (m_hook) UnhookWindowsHookEx(m_hook);
    CloseHandle(m_armed);
    CloseHandle(m_reached);
    CloseHandle(m_release);
}

void StepTrap::Arm(Wizard& wizard) {
    m_hook = HookWizardThread(wizard);
    REQUIRE(WaitForSingleObject(m_armed, kStepTimeout) == WAIT_OBJECT_0);
}

bool StepTrap::WaitReached(DWORD timeoutMs) {
    return WaitForSingleObject(m_reached, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace e2e
