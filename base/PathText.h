// Path building for the payload targets; pure, no Windows headers.
#pragma once
#include "base/LeadByte.h"
#include <cstddef>

#define SETUP_MAX_PATH 260
#define SETUP_PATH_SIZE (SETUP_MAX_PATH + 1)
#define IME_FOLDER_SUFFIX "\\IME\\Quorvel\\ZkV4Ivi\\"

// Writes left + right into out (outSize bytes). Returns false, leaving out empty, when the
// result would be longer than SETUP_MAX_PATH characters or would not fit in out.
bool JoinPath(char* out, std::size_t outSize, const char* left, const char* right);

// Same with three parts.
bool JoinPath3(char* out, std::size_t outSize, const char* a, const char* b, const char* c);

// Lengths of the leading parts of a directory path that are created, shallowest first:
// every level before a backslash (except a leading one and the one after a drive colon),
// and the whole path when it does not end in a backslash. None for paths under 4 bytes.
// Writes at most capacity lengths into levels and returns how many it wrote; a path of
// SETUP_MAX_PATH characters has at most SETUP_MAX_PATH levels. Only a backslash that is a
// character of its own separates levels, never the second byte of a double-byte character.
std::size_t DirectoryLevels(const char* path, std::size_t* levels, std::size_t capacity, LeadByteTest isLead);

// Length of the first length bytes of path up to and including their last backslash
// character (the folder part); 0 when there is none.
std::size_t FolderLength(const char* path, std::size_t length, LeadByteTest isLead);
