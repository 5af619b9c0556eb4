#include "base/PathText.h"
#include <cstring>

bool JoinPath3(char* out, const char* a, const char* b, const char* c) {
    size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
    if (la + lb + lc > SETUP_MAX_PATH) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, a, la);
    std::memcpy(out + la, b, lb);
    std::memcpy(out + la + lb, c, lc);
    out[la + lb + lc] = '\0';
    return true;
}

bool JoinPath(char* out, const char* left, const char* right) {
    return JoinPath3(out, left, right, "");
}

std::vector<std::size_t> DirectoryLevels(const char* path) {
    std::vector<std::size_t> levels;
    std::size_t length = std::strlen(path);
    if (length < 4) return levels;
    for (std::size_t p = 0; p < length; ++p) {
        if (path[p] != '\\') continue;
        if (p == 0 || path[p - 1] == ':') continue;  // leading backslash, or after a drive
        levels.push_back(p);
        if (p >= length - 1) return levels;  // a trailing backslash ends the walk
    }
    levels.push_back(length);
    return levels;
}
