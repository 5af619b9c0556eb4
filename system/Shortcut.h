// The product's Start-menu folder and its help shortcut.
#pragma once
#include "system/ShellPaths.h"
#include <cstddef>

int CreateProgramShortcut();
int RemoveProgramShortcut();
int CreateShellLink(const char* target, const char* linkPath);
int CreateShellFolder(const char* path);
void NotifyShellPath(long event, const char* path);
// Path of a shell folder into out (outSize bytes, at least MAX_PATH); 0 when unknown.
int GetShellFolderPath(int csidl, char* out, std::size_t outSize);
