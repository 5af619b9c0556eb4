// Path rules of the Start-menu shortcut; pure.
#pragma once

#define SHORTCUT_NAME_SIZE 65

extern const char ShortcutFolderNames[3][SHORTCUT_NAME_SIZE];
extern const char ShortcutLinkNames[3][SHORTCUT_NAME_SIZE];

// Parent directory of path with its trailing backslash into out (261 bytes); empty when
// the path is shorter than 5 characters or has no such backslash.
void GetParentDirectory(const char* path, char* out);
