#include "base/PathText.h"
#include <cstring>

bool JoinPath3(char* out, std::size_t outSize, const char* a, const char* b, const char* c) {
    if (outSize == 0) return false;
    std::size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
    std::size_t total = la + lb + lc;
    if (total > SETUP_MAX_PATH || total >= outSize) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, a, la);
    std::memcpy(out + la, b, lb);
    std::memcpy(out + la + lb, c, lc);
    out[total] = '\0';
    return true;
}

bool JoinPath(char* out, std::size_t outSize, const char* left, const char* right) {
    return JoinPath3(out, outSize, left, right, "");
}

std::size_t DirectoryLevels(const char* path, std::size_t* levels, std::size_t capacity, LeadByteTest isLead) {
    std::size_t count = 0;
    std::size_t length = std::strlen(path);
    if (length < 4) return 0;
    // Steps over the second byte of a double-byte character; a lead byte as the last byte ends the walk.
    for (std::size_t p = 0; p < length; p += isLead(static_cast<unsigned char>(path[p])) ? 2 : 1) {
        if (path[p] != '\\') continue;
        // A colon is never a trail byte, so the byte before tells a drive.
        if (p == 0 || path[p - 1] == ':') continue;  // leading backslash, or after a drive
        if (count == capacity) return count;
        levels[count++] = p;
        if (p >= length - 1) return count;  // a trailing backslash ends the walk
    }
    if (count < capacity) levels[count++] = length;
    return count;
}

std::size_t FolderLength(const char* path, std::size_t length, LeadByteTest isLead) {
    std::size_t folder = 0;
    for (std::size_t p = 0; p < length; p += isLead(static_cast<unsigned char>(path[p])) ? 2 : 1)
        if (path[p] == '\\') folder = p + 1;
    return folder;
}
