#include "base/WizardCommand.h"
#include "base/SetupGlobals.h"

LRESULT SendWizardCommand(int command, int argument) {
    return SendMessageA(SetupGlobals.frameWindow, WM_NULL, command, argument);
}
