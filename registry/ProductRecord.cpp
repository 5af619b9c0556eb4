#include "registry/ProductRecord.h"

int ReadRegValue(HKEY root, const char* valueName, DWORD expectedType, void* buffer,
                 DWORD* size, const char* subKey) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD type = 0;
    int result = 0;
    if (RegQueryValueExA(key, valueName, NULL, &type, NULL, NULL) == ERROR_SUCCESS &&
        type == expectedType) {
        result = RegQueryValueExA(key, valueName, NULL, NULL, static_cast<BYTE*>(buffer), size) ==
                 ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return result;
}

int WriteRegValue(HKEY root, const char* valueName, DWORD type, const void* data,
                  DWORD dataSize, const char* subKey) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(root, subKey, &key) != ERROR_SUCCESS)
        return 1;  // nothing written; callers carry on regardless
    RegSetValueExA(key, valueName, 0, type, static_cast<const BYTE*>(data), dataSize);
    RegCloseKey(key);
    return 1;
}

int WriteProductValue(const char* valueName, DWORD type, const void* data, DWORD dataSize) {
    return WriteRegValue(HKEY_LOCAL_MACHINE, valueName, type, data, dataSize, PRODUCT_KEY);
}

int GetInstalledState() {
    DWORD number = 0;
    DWORD size = sizeof(number);
    if (!ReadRegValue(HKEY_LOCAL_MACHINE, "Version", REG_DWORD, &number, &size, PRODUCT_KEY))
        return INSTALLED_NONE;
    if (number == SETUP_VERSION) return INSTALLED_SAME;
    return number < SETUP_VERSION ? INSTALLED_OLDER : INSTALLED_NEWER;
}

namespace {
// Deletes the product key below root's maker key; false when the maker key cannot be opened.
bool DeleteProductSubKey(HKEY root) {
    HKEY maker;
    if (RegOpenKeyExA(root, MAKER_KEY, 0, KEY_ALL_ACCESS, &maker) != ERROR_SUCCESS) return false;
    RegDeleteKeyA(maker, PRODUCT_KEY_NAME);
    RegCloseKey(maker);
    return true;
}
}  // namespace

int DeleteProductKey() {
    HKEY product;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PRODUCT_KEY, 0, KEY_ALL_ACCESS, &product) != ERROR_SUCCESS)
        return 0;
    RegDeleteValueA(product, "Version");
    RegDeleteValueA(product, "ImeHKL");
    RegCloseKey(product);
    if (!DeleteProductSubKey(HKEY_LOCAL_MACHINE)) return 0;
    return DeleteProductSubKey(HKEY_CURRENT_USER) ? 1 : 0;
}
