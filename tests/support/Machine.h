// What the tests look at on the machine and how they clear it, shared by the in-process Wine
// tests and the end-to-end driver: the product's folders, the Programs folders, files, registry
// values and the removal of everything the product writes. Paths are wide; no folder ends in
// a backslash.
#pragma once
#include <windows.h>
#include <string>

namespace machine {
// Text in a code page, by default the active one (the form the product's paths and texts
// take), and back.
std::string Narrow(const std::wstring& text, UINT codePage = CP_ACP);
std::wstring Wide(const std::string& text, UINT codePage = CP_ACP);

// ---- folders and files ---------------------------------------------------------------
std::wstring SystemDir();
std::wstring MakerImeFolder();  // system directory + \IME\Quorvel
std::wstring ImeFolder();       // system directory + \IME\Quorvel\ZkV4Ivi
std::wstring ProgramsFolder(bool common);  // the user's or the all-users Programs folder
std::wstring MakerMenuFolder(bool common);  // Programs + \Quorvel
bool IsFile(const std::wstring& path);
bool IsDirectory(const std::wstring& path);
// The whole file; `exists` tells a missing or unreadable file from an empty one.
std::string ReadBytes(const std::wstring& path, bool* exists = nullptr);
// Deletes a file, or a folder with everything in it, read-only or not.
void RemoveTree(const std::wstring& path);

// ---- registry ------------------------------------------------------------------------
extern const wchar_t kProductKey[];  // below HKLM and HKCU
struct RegValue {
    bool exists = false;
    DWORD type = 0;
    std::string data;
    DWORD Dword() const;
    std::wstring Text() const;  // REG_SZ data read wide, without its terminator
};
// A value as the wide functions read it, or with `ansi` as the product's ANSI calls see it.
RegValue ReadValue(HKEY root, const std::wstring& key, const std::wstring& name, bool ansi = false);
bool KeyExists(HKEY root, const std::wstring& key);
// Deletes a key with every key below it.
void RemoveKeyTree(HKEY root, const std::wstring& key);

// ---- clean-up ------------------------------------------------------------------------
// Removes the module and the driver from the system directory, the maker's IME folder and
// Start-menu folders with everything in them, and the maker's key in both hives. Layouts
// are left to the caller.
void RemoveProductTraces();
}  // namespace machine
