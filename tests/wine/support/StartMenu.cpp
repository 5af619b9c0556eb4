#include "StartMenu.h"
#include "ProductFiles.h"
#include <windows.h>
#include <shlobj.h>

namespace teststartmenu {
std::string ProgramsFolder(int csidl) {
    char path[MAX_PATH + 1] = {0};
    LPITEMIDLIST list = NULL;
    if (SHGetSpecialFolderLocation(NULL, csidl, &list) != S_OK) return "";
    SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return path;
}

void RemoveMakerFolders() {
    for (int csidl : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS})
        testfiles::RemoveTree(ProgramsFolder(csidl) + "\\Quorvel");
}

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
