#include "base/SystemPaths.h"
#include "base/PathText.h"
#include <windows.h>

bool GetSystemDir(char* out) {
    UINT length = GetSystemDirectoryA(out, SETUP_MAX_PATH);
    if (length == 0 || length >= SETUP_MAX_PATH) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool BuildSystemFilePath(char* out, const char* name) {
    char system[SETUP_MAX_PATH + 1];
    if (!GetSystemDir(system)) {
        out[0] = '\0';
        return false;
    }
    return JoinPath3(out, system, "\\", name);
}

bool BuildImeFolderPath(char* out, const char* name) {
    char system[SETUP_MAX_PATH + 1];
    if (!GetSystemDir(system)) {
        out[0] = '\0';
        return false;
    }
    return JoinPath3(out, system, IME_FOLDER_SUFFIX, name);
}
