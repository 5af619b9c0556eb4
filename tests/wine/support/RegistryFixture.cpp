#include "RegistryFixture.h"
#include "Machine.h"

namespace testreg {
void DeleteTree(HKEY root, const std::string& path) { machine::RemoveKeyTree(root, machine::Wide(path)); }
bool KeyExists(HKEY root, const std::string& path) { return machine::KeyExists(root, machine::Wide(path)); }

bool ValueExists(HKEY root, const std::string& path, const std::string& name) {
    return GetRaw(root, path, name).has_value();
}

void SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    SetValue(root, path, name, REG_DWORD, &value, sizeof(value));
}

void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& text,
               DWORD type, bool withNul) {
    SetValue(root, path, name, type, text.c_str(), static_cast<DWORD>(text.size() + (withNul ? 1 : 0)));
}

std::optional<DWORD> GetDword(HKEY root, const std::string& path, const std::string& name) {
    DWORD type = 0;
    std::optional<std::string> raw = GetRaw(root, path, name, &type);
    if (!raw || type != REG_DWORD || raw->size() != sizeof(DWORD)) return std::nullopt;
    DWORD value;
    memcpy(&value, raw->data(), sizeof(value));
    return value;
}

std::optional<std::string> GetRaw(HKEY root, const std::string& path, const std::string& name, DWORD* type) {
    machine::RegValue value = machine::ReadValue(root, machine::Wide(path), machine::Wide(name), true);
    if (!value.exists) return std::nullopt;
    if (type) *type = value.type;
    return value.data;
}

namespace {
// Names that enumerate(key, index, buffer, size) hands out, index 0 upwards.
template <typename Enumerate>
std::vector<std::string> EnumeratedNames(HKEY root, const std::string& path, Enumerate enumerate) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD size = sizeof(name);
        if (enumerate(key, index, name, &size) != ERROR_SUCCESS) break;
        names.emplace_back(name, size);
    }
    RegCloseKey(key);
    return names;
}
}  // namespace

std::vector<std::string> SubkeyNames(HKEY root, const std::string& path) {
    return EnumeratedNames(root, path, [](HKEY key, DWORD index, char* name, DWORD* size) {
        return RegEnumKeyExA(key, index, name, size, NULL, NULL, NULL, NULL);
    });
}

std::vector<std::string> ValueNames(HKEY root, const std::string& path) {
    return EnumeratedNames(root, path, [](HKEY key, DWORD index, char* name, DWORD* size) {
        return RegEnumValueA(key, index, name, size, NULL, NULL, NULL, NULL);
    });
}
}  // namespace testreg
