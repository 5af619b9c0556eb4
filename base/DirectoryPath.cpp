#include "base/DirectoryPath.h"
#include "base/PathText.h"
#include <windows.h>
#include <cstring>

int CreateDirectoryPath(const char* path) {
    if (std::strlen(path) > SETUP_MAX_PATH) return 0;
    std::size_t levels[SETUP_MAX_PATH];
    std::size_t count = DirectoryLevels(path, levels, SETUP_MAX_PATH, IsDBCSLeadByte);
    if (count == 0) return 0;
    char level[SETUP_PATH_SIZE];
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(level, path, levels[i]);
        level[levels[i]] = '\0';
        CreateDirectoryA(level, NULL);  // an existing or failing level does not stop the walk
    }
    return 1;
}
