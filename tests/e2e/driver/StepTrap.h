// Stops Setup.exe's worker at a chosen boundary between two of its steps, so that a
// scenario can end the process exactly there. The stop is made inside Setup.exe by
// trap/StepTrap.cpp, which a window hook on the wizard's thread loads into it.
#pragma once
#include "driver/Wizard.h"
#include <string>

namespace e2e {

// Loads the trap library into Setup.exe: a window hook on the wizard's thread, which loads
// the library there when that thread next handles a sent message (Sync does that).
HHOOK HookWizardThread(Wizard& wizard);

class StepTrap {
public:
    // point: "bar:N", "layout" or "unrecord:NAME", with "hold:" before it for a stop that
    // Release ends (see trap/StepTrap.cpp). Must exist before the Wizard is started:
    // Setup.exe takes the point from its environment.
    explicit StepTrap(const std::string& point);
    ~StepTrap();
    StepTrap(const StepTrap&) = delete;
    StepTrap& operator=(const StepTrap&) = delete;

    // Loads the trap into the wizard's process; call before the button that starts the worker.
    void Arm(Wizard& wizard);
    // True once the worker stands at the point.
    bool WaitReached(DWORD timeoutMs = kStepTimeout);
    // Lets a worker held at a "hold:" point go on.
    void Release() { SetEvent(m_release); }

private:
    HANDLE m_armed = NULL;
    HANDLE m_reached = NULL;
    HANDLE m_release = NULL;
    HHOOK m_hook = NULL;
};

}  // namespace e2e
