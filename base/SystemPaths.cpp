#include "base/SystemPaths.h"
#include "base/PathText.h"
#include <windows.h>

bool GetSystemDir(char* out, std::size_t outSize) {
    if (outSize == 0) return false;
    UINT room = outSize < SETUP_MAX_PATH ? static_cast<UINT>(outSize) : SETUP_MAX_PATH;
    UINT length = GetSystemDirectoryA(out, room);
    if (length == 0 || length >= room) {
        out[0] = '\0';
        return false;
    }
    return true;
}

namespace {
bool BuildBelowSystem(char* out, std::size_t outSize, const char* middle, const char* name) {
    char system[SETUP_PATH_SIZE];
    if (!GetSystemDir(system, sizeof(system))) {
        if (outSize) out[0] = '\0';
        return false;
    }
    return JoinPath3(out, outSize, system, middle, name);
}
}  // namespace

bool BuildSystemFilePath(char* out, std::size_t outSize, const char* name) {
    return BuildBelowSystem(out, outSize, "\\", name);
}

bool BuildImeFolderPath(char* out, std::size_t outSize, const char* name) {
    return BuildBelowSystem(out, outSize, IME_FOLDER_SUFFIX, name);
}
