// Target paths below the system directory. Every out buffer is outSize bytes; a path never
// exceeds SETUP_MAX_PATH characters.
#pragma once
#include <cstddef>

// System directory without a trailing backslash; false when it cannot be read.
bool GetSystemDir(char* out, std::size_t outSize);

// system directory + "\" + name. False when it would not fit.
bool BuildSystemFilePath(char* out, std::size_t outSize, const char* name);

// The product's IME folder (system directory + "\IME\Quorvel\ZkV4Ivi\") + name.
bool BuildImeFolderPath(char* out, std::size_t outSize, const char* name);
