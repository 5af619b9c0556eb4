#include "engine/PayloadCatalog.h"
#include "app/HostClassification.h"
#include "engine/PayloadPaths.h"
#include "res/resource.h"
#include <windows.h>
#include <cstdio>
#include <cstring>

const char g_payloadFiles[PAYLOAD_FILE_COUNT][PAYLOAD_NAME_SIZE] = {
    "ZkV4Ivi.ime", "Help.chm", "QueryPY.dat", "PhrChs.dat",
    "PhrCht.dat", "ZkSDChs.dat", "ZkSDCht.dat"};

const char g_driverFiles[DRIVER_FILE_COUNT][PAYLOAD_NAME_SIZE] = {"Vsock28.vxd"};

unsigned PayloadResourceNumber(int row, int osClass) {
    if (row == 0) return osClass <= 60 ? IDR_IME_MODULE_9X : IDR_IME_MODULE_NT5;
    return IDR_IME_MODULE_9X + row;
}

unsigned DriverResourceNumber(int row) {
    return IDR_DRIVER_BASE + row;
}

int WriteResourceToFile(const char* path, unsigned resourceNumber) {
    // Locate the resource before the target is opened: a missing resource must not
    // truncate a file that is already installed.
    HMODULE self = GetModuleHandleA(NULL);
    HRSRC info = FindResourceA(self, MAKEINTRESOURCEA(resourceNumber & 0xFFFF), MAKEINTRESOURCEA(10));
    HGLOBAL handle = info ? LoadResource(self, info) : NULL;
    const void* data = handle ? LockResource(handle) : NULL;
    if (!data) return 0;
    DWORD size = SizeofResource(self, info);

    FILE* file = std::fopen(path, "wb");
    if (!file) return 0;
    // One write straight from the mapped resource; no copy of our own.
    size_t written = std::fwrite(data, 1, size, file);
    int closed = std::fclose(file);
    return (written == size && closed == 0) ? 1 : 0;
}

int CreateDirectoryPath(const char* path) {
    if (std::strlen(path) > SETUP_MAX_PATH) return 0;
    std::vector<std::size_t> levels = DirectoryLevels(path);
    if (levels.empty()) return 0;
    char level[SETUP_MAX_PATH + 1];
    for (std::size_t length : levels) {
        std::memcpy(level, path, length);
        level[length] = '\0';
        CreateDirectoryA(level, NULL);  // an existing or failing level does not stop the walk
    }
    return 1;
}
