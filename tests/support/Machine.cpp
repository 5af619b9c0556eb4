#include "Machine.h"
#include <shlobj.h>
#include <cstring>

namespace machine {
std::string Narrow(const std::wstring& text, UINT codePage) {
    if (text.empty()) return std::string();
    int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), NULL, 0, NULL, NULL);
    std::string out(size, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], size, NULL, NULL);
    return out;
}

std::wstring Wide(const std::string& text, UINT codePage) {
    if (text.empty()) return std::wstring();
    int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), NULL, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], size);
    return out;
}

std::wstring SystemDir() {
    wchar_t path[MAX_PATH + 1] = {0};
    GetSystemDirectoryW(path, MAX_PATH);
    return path;
}

std::wstring MakerImeFolder() { return SystemDir() + L"\\IME\\Quorvel"; }
std::wstring ImeFolder() { return MakerImeFolder() + L"\\ZkV4Ivi"; }

std::wstring ProgramsFolder(bool common) {
    wchar_t path[MAX_PATH + 1] = {0};
    SHGetFolderPathW(NULL, common ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS, NULL, 0, path);
    return path;
}

std::wstring MakerMenuFolder(bool common) { return ProgramsFolder(common) + L"\\Quorvel"; }

bool IsFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectory(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadBytes(const std::wstring& path, bool* exists) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (exists) *exists = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    BOOL ok;
    while ((ok = ReadFile(file, buffer, sizeof(buffer), &got, NULL)) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    if (!ok && exists) *exists = false;
    return bytes;
}

void RemoveTree(const std::wstring& path) {
    std::wstring plain = path;
    while (plain.size() > 3 && plain.back() == L'\\') plain.pop_back();
    DWORD attributes = GetFileAttributesW(plain.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(plain.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(plain.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((plain + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") RemoveTree(plain + L"\\" + name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(plain.c_str());
}

const wchar_t kProductKey[] = L"Software\\Quorvel\\ZkV4Ivi";

DWORD RegValue::Dword() const {
    DWORD value = 0;
    if (data.size() == sizeof(value)) std::memcpy(&value, data.data(), sizeof(value));
    return value;
}

std::wstring RegValue::Text() const {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

RegValue ReadValue(HKEY root, const std::wstring& key, const std::wstring& name, bool ansi) {
    RegValue value;
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return value;
    std::string ansiName = Narrow(name);
    auto query = [&](BYTE* data, DWORD* size) {
        return ansi ? RegQueryValueExA(handle, ansiName.c_str(), NULL, &value.type, data, size)
                    : RegQueryValueExW(handle, name.c_str(), NULL, &value.type, data, size);
    };
    DWORD size = 0;
    if (query(NULL, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.exists = query(size ? reinterpret_cast<BYTE*>(&value.data[0]) : NULL, &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
    RegCloseKey(handle);
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void RemoveKeyTree(HKEY root, const std::wstring& key) {
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) return;
    wchar_t name[256];
    for (;;) {
        DWORD size = 256;
        if (RegEnumKeyExW(handle, 0, name, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) break;
        RemoveKeyTree(handle, name);
    }
    RegCloseKey(handle);
    RegDeleteKeyW(root, key.c_str());
}

void RemoveProductTraces() {
    for (const wchar_t* file : {L"\\ZkV4Ivi.ime", L"\\Vsock28.vxd"}) RemoveTree(SystemDir() + file);
    RemoveTree(MakerImeFolder());
    for (bool common : {false, true}) RemoveTree(MakerMenuFolder(common));
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RemoveKeyTree(root, L"Software\\Quorvel");
}
}  // namespace machine
