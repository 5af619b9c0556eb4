#include "ProductFiles.h"
#include "Machine.h"
#include <windows.h>

namespace testfiles {
namespace {
const char* const kNames[kAllRows] = {"ZkV4Ivi.ime", "Help.chm",    "QueryPY.dat", "PhrChs.dat",
                                      "PhrCht.dat",  "ZkSDChs.dat", "ZkSDCht.dat", "Vsock28.vxd"};
}

const char* RowName(int row) { return kNames[row]; }

std::string SystemDir() { return machine::Narrow(machine::SystemDir()); }
std::string ImeFolder() { return machine::Narrow(machine::ImeFolder()); }
std::string MakerImeFolder() { return machine::Narrow(machine::MakerImeFolder()); }

std::string RowPath(int row) {
    bool inSystemDir = row == 0 || row == kAllRows - 1;
    return (inSystemDir ? SystemDir() : ImeFolder()) + "\\" + kNames[row];
}

unsigned RowResource(int row, int osClass) {
    if (row == 0) return osClass <= 60 ? 210 : 230;  // Windows 9x and NT 4 build, NT 5 build
    if (row == kAllRows - 1) return 250;
    return 210 + row;
}

std::string ResourceBytes(unsigned number) {
    HMODULE self = GetModuleHandleA(NULL);
    HRSRC info = FindResourceA(self, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(10));
    if (!info) return "";
    HGLOBAL handle = LoadResource(self, info);
    const char* data = static_cast<const char*>(LockResource(handle));
    return std::string(data, SizeofResource(self, info));
}

std::optional<std::string> ReadAll(const std::string& path) {
    bool exists = false;
    std::string bytes = machine::ReadBytes(machine::Wide(path), &exists);
    if (!exists) return std::nullopt;
    return bytes;
}

void WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(file);
}

bool IsFile(const std::string& path) { return machine::IsFile(machine::Wide(path)); }
bool IsDirectory(const std::string& path) { return machine::IsDirectory(machine::Wide(path)); }
void RemoveTree(const std::string& path) { machine::RemoveTree(machine::Wide(path)); }

void CreateImeFolder() {
    CreateDirectoryA((SystemDir() + "\\IME").c_str(), NULL);
    CreateDirectoryA(MakerImeFolder().c_str(), NULL);
    CreateDirectoryA(ImeFolder().c_str(), NULL);
}

void InstallAllRows(int osClass) {
    CreateImeFolder();
    for (int row = 0; row < kAllRows; ++row)
        WriteAll(RowPath(row), ResourceBytes(RowResource(row, osClass)));
}
}  // namespace testfiles
