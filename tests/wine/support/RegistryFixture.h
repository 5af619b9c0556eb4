// Registry helpers for the in-process tests: plain reads and writes on Wine's registry,
// with keys created and removed whole.
#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

namespace testreg {
void DeleteTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);
bool ValueExists(HKEY root, const std::string& path, const std::string& name);
void SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const void* data, DWORD size);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
// Stores text with its terminating NUL unless withNul is false.
void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& text,
               DWORD type = REG_SZ, bool withNul = true);
std::optional<DWORD> GetDword(HKEY root, const std::string& path, const std::string& name);
// Raw bytes of a value and its type; nullopt when missing.
std::optional<std::string> GetRaw(HKEY root, const std::string& path, const std::string& name,
                                  DWORD* type = nullptr);

// Names of the subkeys and of the values of a key, in the registry's enumeration order.
std::vector<std::string> SubkeyNames(HKEY root, const std::string& path);
std::vector<std::string> ValueNames(HKEY root, const std::string& path);
}  // namespace testreg
