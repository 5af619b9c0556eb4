#include "ProductFiles.h"
#include <windows.h>

namespace testfiles {
namespace {
const char* const kNames[kAllRows] = {"ZkV4Ivi.ime", "Help.chm",    "QueryPY.dat", "PhrChs.dat",
                                      "PhrCht.dat",  "ZkSDChs.dat", "ZkSDCht.dat", "Vsock28.vxd"};
}

const char* RowName(int row) { return kNames[row]; }

std::string SystemDir() {
    char buffer[MAX_PATH + 1] = {0};
    GetSystemDirectoryA(buffer, MAX_PATH);
    return buffer;
}

std::string ImeFolder() { return SystemDir() + "\\IME\\Quorvel\\ZkV4Ivi\\"; }
std::string MakerImeFolder() { return SystemDir() + "\\IME\\Quorvel"; }

std::string RowPath(int row) {
    bool inSystemDir = row == 0 || row == kAllRows - 1;
    return (inSystemDir ? SystemDir() + "\\" : ImeFolder()) + kNames[row];
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
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, NULL), '\0');
    DWORD read = 0;
    BOOL ok = bytes.empty() || ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, NULL);
    CloseHandle(file);
    if (!ok || read != bytes.size()) return std::nullopt;
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

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::string& path) {
    std::string plain = path;
    while (plain.size() > 3 && plain.back() == '\\') plain.pop_back();
    DWORD attributes = GetFileAttributesA(plain.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(plain.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(plain.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((plain + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") RemoveTree(plain + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(plain.c_str());
}

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

void RemoveAllRows() {
    for (int row = 0; row < kAllRows; ++row) RemoveTree(RowPath(row));
    RemoveTree(MakerImeFolder());
}
}  // namespace testfiles
