// The install, repair and uninstall workers and the progress protocol they share.
#pragma once

#define PROGRESS_STEP 10

// Thread procedures in the shape CreateThread takes.
unsigned long __stdcall InstallWorker(void* param);
unsigned long __stdcall RepairWorker(void* param);
unsigned long __stdcall UninstallWorker(void* param);

// Moves the progress bar one step (10) on from where it stands.
void AdvanceProgress();

// Deletes a file; true when it is gone afterwards (or never existed).
bool DeleteFileIfPresent(const char* path);
