// The process entry point. Setup.exe links no C runtime, so nothing runs before this and
// the process ends here with ExitProcess.
#include "app/SetupApp.h"
#include "base/SystemLibraries.h"

extern "C" __attribute__((force_align_arg_pointer)) void SetupEntry() {
    RestrictDllSearch();
    {
        CSetupApp app;
        app.InitInstance();
    }
    ExitProcess(0);
}
