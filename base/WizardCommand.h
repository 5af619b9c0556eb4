// The protocol through which pages and workers drive the wizard frame: WM_NULL sent to
// the frame, command in wParam, argument in the low word of lParam.
#pragma once
#include <windows.h>

enum WizardCommandCode { CMD_NAVIGATE = 1, CMD_SHOW_FINISH = 3, CMD_SHOW_PROGRESS = 6 };
enum NavigateDirection { NAV_BACK = 256, NAV_NEXT = 257 };
enum SetupOperation { OP_INSTALL = 1, OP_REPAIR = 4, OP_UNINSTALL = 5 };

typedef unsigned long (__stdcall* WorkerProc)(void*);  // a CreateThread procedure

// Sends a command to the frame and returns once the frame has carried it out.
LRESULT SendWizardCommand(int command, int argument);
