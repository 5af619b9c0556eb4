// The yardstick of the install benchmark: writes the same payload files to the same places
// as an installation does, each with one write straight from this program's own resources,
// and prints how long that took in milliseconds.
#include "engine/PayloadCatalog.h"
#include "res/resource.h"
#include <windows.h>
#include <cstdio>
#include <string>

namespace {
bool WriteFromResource(const std::string& path, unsigned number) {
    unsigned long size;
    const void* data = FindRawResource(number, &size);
    FILE* file = data ? std::fopen(path.c_str(), "wb") : NULL;
    if (!file) return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}
}  // namespace

int main() {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string folder = std::string(system) + "\\IME\\Quorvel\\ZkV4Ivi\\";
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    CreateDirectoryA((std::string(system) + "\\IME").c_str(), NULL);
    CreateDirectoryA((std::string(system) + "\\IME\\Quorvel").c_str(), NULL);
    CreateDirectoryA(folder.c_str(), NULL);
    bool ok = WriteFromResource(std::string(system) + "\\" + g_payloadFiles[0], IDR_IME_MODULE_NT5);
    for (int row = 1; row < PAYLOAD_FILE_COUNT; ++row)
        ok = WriteFromResource(folder + g_payloadFiles[row], PayloadResourceNumber(row, 81)) && ok;
    ok = WriteFromResource(std::string(system) + "\\" + g_driverFiles[0], DriverResourceNumber(0)) && ok;
    QueryPerformanceCounter(&end);
    std::printf("%.3f\n", 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
    return ok ? 0 : 1;
}
