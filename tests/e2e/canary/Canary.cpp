// Put beside Setup.exe under the name of a system DLL: if anything loads it from there, it
// leaves "<its file name>.ran" in its folder. It exports nothing, so a program that took it
// for the real library fails as well.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH + 8] = {0};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    lstrcpyA(path + length, ".ran");
    HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    return TRUE;
}
