// Path building for the payload targets; pure, no Windows headers.
#pragma once
#include <cstddef>
#include <vector>

#define SETUP_MAX_PATH 260
#define IME_FOLDER_SUFFIX "\\IME\\Quorvel\\ZkV4Ivi\\"

// Writes left + right into out (room for SETUP_MAX_PATH characters and a NUL).
// Returns false, leaving out empty, when the result would be longer than that.
bool JoinPath(char* out, const char* left, const char* right);

// Same with three parts.
bool JoinPath3(char* out, const char* a, const char* b, const char* c);

// Lengths of the leading parts of a directory path that are created, shallowest first:
// every level before a backslash (except a leading one and the one after a drive colon),
// and the whole path when it does not end in a backslash. Empty for paths under 4 bytes.
std::vector<std::size_t> DirectoryLevels(const char* path);
