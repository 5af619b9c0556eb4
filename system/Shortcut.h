// The product's Start-menu folder and its help shortcut.
#pragma once
#include "system/ShellPaths.h"

int CreateProgramShortcut();
int RemoveProgramShortcut();
int CreateShellLink(const char* target, const char* linkPath);
int CreateShellFolder(const char* path);
void NotifyShellPath(long event, const char* path);
int GetShellFolderPath(int csidl, char* out);
