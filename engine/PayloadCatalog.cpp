#include "engine/PayloadCatalog.h"
#include "base/HostClassification.h"
#include "base/ResourceIntegrity.h"
#include "res/resource.h"
#include <windows.h>

unsigned PayloadResourceNumber(int row, int osClass) {
    if (row == 0) return osClass <= 60 ? IDR_IME_MODULE_9X : IDR_IME_MODULE_NT5;
    return IDR_IME_MODULE_9X + row;
}

unsigned DriverResourceNumber(int row) {
    return IDR_DRIVER_BASE + row;
}

const void* FindRawResource(unsigned number, unsigned long* size) {
    HMODULE self = GetModuleHandleA(NULL);
    HRSRC info = FindResourceA(self, MAKEINTRESOURCEA(number & 0xFFFF), MAKEINTRESOURCEA(10));
    HGLOBAL handle = info ? LoadResource(self, info) : NULL;
    const void* data = handle ? LockResource(handle) : NULL;
    *size = data ? SizeofResource(self, info) : 0;
    return data;
}

bool ResourcesIntact() {
    return ResourcesMatchTable(IDR_INTEGRITY_TABLE, FindRawResource);
}

int WriteResourceToFile(const char* path, unsigned resourceNumber) {
    // Locate the resource before the target is opened: a missing resource must not
    // truncate a file that is already installed.
    unsigned long size;
    const void* data = FindRawResource(resourceNumber, &size);
    if (!data) return 0;

    // The sharing and creation the C library's "wb" asks for, so a file in use fails alike.
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    // One write straight from the mapped resource; no copy of our own.
    DWORD written = 0;
    BOOL wrote = WriteFile(file, data, size, &written, NULL);
    BOOL closed = CloseHandle(file);
    return (wrote && written == size && closed) ? 1 : 0;
}
