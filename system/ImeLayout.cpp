#include "system/ImeLayout.h"
#include "base/PathText.h"
#include "base/PayloadNames.h"
#include "base/SystemLibraries.h"
#include "base/SystemPaths.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "registry/ProductRecord.h"
#include "system/HexText.h"
#include <imm.h>
#include <cstring>

namespace {
const char* const kLayoutListPrefixes[] = {
    "ControlSet001\\Control\\Keyboard Layouts\\",
    "ControlSet002\\Control\\Keyboard Layouts\\",
    "ControlSet003\\Control\\Keyboard Layouts\\",
    "CurrentControlSet\\Control\\Keyboard Layouts\\"};

void DeleteSystemLayoutKeys(HKEY system, const char* handleText) {
    for (const char* prefix : kLayoutListPrefixes) {
        char path[129];
        if (JoinPath(path, sizeof(path), prefix, handleText))
            RegDeleteKeyA(system, path);  // missing control sets are passed over
    }
}

// Deletes the first REG_SZ preload value whose data equals handleText, ignoring case.
int PurgePreloadEntry(const char* handleText) {
    HKEY preload;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, PRELOAD_KEY, 0, KEY_ALL_ACCESS, &preload) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    if (RegQueryInfoKeyA(preload, NULL, NULL, NULL, NULL, NULL, NULL, &count, NULL, NULL, NULL,
                         NULL) != ERROR_SUCCESS) {
        RegCloseKey(preload);
        return 0;
    }
    for (DWORD index = 0; index < count; ++index) {
        char name[256];
        BYTE data[256];
        DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
        name[0] = '\0';
        data[0] = 0;
        if (RegEnumValueA(preload, index, name, &nameSize, NULL, &type, data, &dataSize) != ERROR_SUCCESS)
            continue;
        if (type != REG_SZ) continue;
        // The data need not carry a terminator; compare within what was read.
        char text[257];
        std::memcpy(text, data, dataSize);
        text[dataSize] = '\0';
        if (lstrcmpiA(text, handleText) == 0) {
            RegDeleteValueA(preload, name);
            break;
        }
    }
    RegCloseKey(preload);
    return 1;
}

// True when the layout key's "Ime File" names our module, in whatever folder and case
// (Windows stores the file name, Wine the path as passed).
bool NamesOurModule(HKEY layouts, const char* keyName) {
    char file[SETUP_PATH_SIZE] = {0};
    DWORD size = SETUP_PATH_SIZE - 1;  // the cleared last byte ends a text stored without a NUL
    if (!ReadRegValue(layouts, "Ime File", REG_SZ, file, &size, keyName)) return false;
    const char* name = file;
    for (const char* c = file; *c; c = CharNextA(c))
        if (*c == '\\' || *c == '/') name = c + 1;
    return lstrcmpiA(name, g_payloadFiles[0]) == 0;
}

// A record can outlive our layout (Windows hands the handle of a layout removed by other
// means to the next input method) or be damaged, and then names someone else's layout:
// true when some control set lists the handle for another module, or for none.
bool ListedForAnotherModule(HKEY system, const char* handleText) {
    for (const char* prefix : kLayoutListPrefixes) {
        char path[129];
        HKEY key;
        if (!JoinPath(path, sizeof(path), prefix, handleText) ||
            RegOpenKeyExA(system, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        RegCloseKey(key);
        if (!NamesOurModule(system, path)) return true;
    }
    return false;
}

// A run ended between registering the layout and recording it leaves a layout that no
// record names; without this every later install would add one more.
void RemoveUnrecordedLayouts() {
    HKEY system;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM", 0, KEY_ALL_ACCESS, &system) != ERROR_SUCCESS) return;
    for (const char* prefix : kLayoutListPrefixes) {
        char path[129];
        std::size_t length = std::strlen(prefix) - 1;  // without the trailing backslash
        std::memcpy(path, prefix, length);
        path[length] = '\0';
        HKEY layouts;
        if (RegOpenKeyExA(system, path, 0, KEY_ALL_ACCESS, &layouts) != ERROR_SUCCESS) continue;
        DWORD count = 0;
        if (RegQueryInfoKeyA(layouts, NULL, NULL, NULL, &count, NULL, NULL, NULL, NULL, NULL, NULL,
                             NULL) != ERROR_SUCCESS)
            count = 0;
        for (DWORD index = count; index-- > 0;) {  // backwards: deleting keeps lower indexes
            char name[256];
            DWORD nameSize = sizeof(name);
            if (RegEnumKeyExA(layouts, index, name, &nameSize, NULL, NULL, NULL, NULL) != ERROR_SUCCESS ||
                !NamesOurModule(layouts, name))
                continue;
            std::size_t nameLength = std::strlen(name);
            uint32_t handle = nameLength <= 8 ? ParseHex(name, nameLength) : 0;
            if (handle) UnloadKeyboardLayout(reinterpret_cast<HKL>(static_cast<UINT_PTR>(handle)));
            RegDeleteKeyA(layouts, name);
            PurgePreloadEntry(name);
        }
        RegCloseKey(layouts);
    }
    RegCloseKey(system);
}

// The layout the product record names.
int RemoveRecordedLayout(HKEY root) {
    char handleText[9] = {0};
    DWORD size = sizeof(handleText);
    if (!ReadRegValue(root, "ImeHKL", REG_SZ, handleText, &size, PRODUCT_KEY)) return 0;
    if (std::memchr(handleText, '\0', sizeof(handleText)) == NULL) return 0;
    uint32_t handle = ParseHex(handleText, std::strlen(handleText));
    if (handle == 0) return 0;

    HKEY system;
    bool opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM", 0, KEY_ALL_ACCESS, &system) == ERROR_SUCCESS;
    if (opened && ListedForAnotherModule(system, handleText)) {
        RegCloseKey(system);
        return 0;
    }
    UnloadKeyboardLayout(reinterpret_cast<HKL>(static_cast<UINT_PTR>(handle)));
    if (!opened) return 0;
    DeleteSystemLayoutKeys(system, handleText);
    RegCloseKey(system);
    return PurgePreloadEntry(handleText);
}
}  // namespace

uint32_t InstallImeLayout() {
    char path[SETUP_PATH_SIZE];
    if (!BuildSystemFilePath(path, sizeof(path), g_payloadFiles[0])) return 0;
    char layoutText[LANG_TEXT_SIZE];
    LoadLangString("MAIN", "IME_NAME", layoutText, sizeof(layoutText));
    auto install = SYSTEM_FUNCTION(ImmInstallIMEA);
    return install ? static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(install(path, layoutText))) : 0;
}

int RemoveImeLayout(HKEY root) {
    int removed = RemoveRecordedLayout(root);
    RemoveUnrecordedLayouts();
    return removed;
}
