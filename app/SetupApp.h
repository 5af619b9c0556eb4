// Start-up: single-instance guard, host classification, driver file, mode selection.
#pragma once
#include <windows.h>

class CSetupApp {
public:
    // Runs the whole program; false in every case, so that no message loop follows.
    bool InitInstance();
};

// True when a mutex of that name already existed; the handle stays open for the process.
bool IsAlreadyRunning(const char* name);

// Writes the support driver into the system directory (below OsClass 10000); false when
// a file could not be written.
bool WriteDriverFiles();
