// Process-wide values shared by start-up, the wizard and the worker threads.
#pragma once
#include <windows.h>

enum InstalledState {
    INSTALLED_NONE = 1, INSTALLED_OLDER = 2, INSTALLED_SAME = 3, INSTALLED_NEWER = 4
};

enum SetupMode { MODE_INSTALL = 1, MODE_MAINTENANCE = 2 };

struct SetupGlobalValues {
    int langIndex;            // 0 Simplified Chinese, 1 Traditional Chinese, 2 English
    int osClass;              // see HostClassification.h
    int installedState;       // InstalledState, INSTALLED_NONE until start-up reads it
    HWND frameWindow;         // the wizard frame; target of wizard commands and WM_CLOSE
    HWND progressControl;     // progress bar of the progress page, set before a worker starts
    volatile bool g_closeConfirm;  // set at start; cleared only, never set again
    char imeHklText[9];       // layout handle text written by the install worker
};

extern SetupGlobalValues SetupGlobals;

// The product code and the executable name that form the single-instance mutex name.
#define SETUP_MUTEX_NAME "ZkV4IviSetup.exe"
