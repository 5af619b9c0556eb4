#include "base/DirectoryPath.h"
#include "base/PathText.h"
#include <windows.h>
#include <cstring>

int CreateDirectoryPath(const char* path) {
    if (std::strlen(path) > SETUP_MAX_PATH) return 0;
    std::vector<std::size_t> levels = DirectoryLevels(path);
    if (levels.empty()) return 0;
    char level[SETUP_MAX_PATH + 1];
    for (std::size_t length : levels) {
        std::memcpy(level, path, length);
        level[length] = '\0';
        CreateDirectoryA(level, NULL);  // an existing or failing level does not stop the walk
    }
    return 1;
}
