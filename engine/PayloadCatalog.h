// What the setup program installs: file names and the raw-data resources they come from.
#pragma once

#include "base/DirectoryPath.h"
#include "base/PayloadNames.h"

// Resource number of a row of g_payloadFiles; row 0 (the IME module) depends on the release.
unsigned PayloadResourceNumber(int row, int osClass);

// Resource number of a row of g_driverFiles.
unsigned DriverResourceNumber(int row);

// Raw-data resource `number` of this executable and its size; NULL (size 0) when missing.
const void* FindRawResource(unsigned number, unsigned long* size);

// True when every raw-data resource the build listed in the integrity table is present and
// unchanged, and the table itself is whole; false for a damaged or truncated download.
bool ResourcesIntact();

// Copies raw-data resource resourceNumber of this executable into path with one write.
// Returns 1 only when the whole resource was written and the file closed; 0 when the file
// could not be opened, the resource is missing, or the write or close fell short.
int WriteResourceToFile(const char* path, unsigned resourceNumber);
