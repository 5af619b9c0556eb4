// Path rules of the Start-menu shortcut; pure.
#pragma once
#include "base/LeadByte.h"
#include <cstddef>

#define SHORTCUT_NAME_SIZE 65

extern const char ShortcutFolderNames[3][SHORTCUT_NAME_SIZE];
extern const char ShortcutLinkNames[3][SHORTCUT_NAME_SIZE];

// Parent directory of path with its trailing backslash into out (outSize bytes); empty
// when the path is shorter than 5 or longer than 260 characters, has no such backslash,
// or the parent would not fit. A trail byte 0x5C is no backslash (see LeadByte.h).
void GetParentDirectory(const char* path, char* out, std::size_t outSize, LeadByteTest isLead);
