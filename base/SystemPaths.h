// Target paths below the system directory.
#pragma once

// System directory without a trailing backslash; false when it cannot be read.
bool GetSystemDir(char* out);

// system directory + "\" + name. False when it would not fit in 260 characters.
bool BuildSystemFilePath(char* out, const char* name);

// The product's IME folder (system directory + "\IME\Quorvel\ZkV4Ivi\") + name.
bool BuildImeFolderPath(char* out, const char* name);
