#include "StartMenu.h"
#include "Machine.h"
#include <windows.h>
#include <shlobj.h>

namespace teststartmenu {
std::string ProgramsFolder(int csidl) { return machine::Narrow(machine::ProgramsFolder(csidl == CSIDL_COMMON_PROGRAMS)); }

namespace {
DWORD WINAPI RunWork(void* param) {
    (*static_cast<const std::function<void()>*>(param))();
    return 0;
}
}  // namespace

void RunOnFreshThread(const std::function<void()>& work) {
    HANDLE thread = CreateThread(NULL, 0, RunWork, const_cast<std::function<void()>*>(&work), 0, NULL);
    if (!thread) return;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}
}  // namespace teststartmenu
