// What the setup program installs: file names and the raw-data resources they come from.
#pragma once

#define PAYLOAD_NAME_SIZE 65
#define PAYLOAD_FILE_COUNT 7
#define DRIVER_FILE_COUNT 1

extern const char g_payloadFiles[PAYLOAD_FILE_COUNT][PAYLOAD_NAME_SIZE];
extern const char g_driverFiles[DRIVER_FILE_COUNT][PAYLOAD_NAME_SIZE];

// Resource number of a row of g_payloadFiles; row 0 (the IME module) depends on the release.
unsigned PayloadResourceNumber(int row, int osClass);

// Resource number of a row of g_driverFiles.
unsigned DriverResourceNumber(int row);

// Copies raw-data resource resourceNumber of this executable into path with one write.
// Returns 1 only when the whole resource was written and the file closed; 0 when the file
// could not be opened, the resource is missing, or the write or close fell short.
int WriteResourceToFile(const char* path, unsigned resourceNumber);

// Creates a directory path level by level; 0 for paths under 4 characters, else 1.
int CreateDirectoryPath(const char* path);
