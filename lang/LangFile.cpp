#include "lang/LangFile.h"
#include "base/SetupGlobals.h"
#include "lang/LangText.h"
#include <windows.h>

int GetSetupDirectory(char* buffer) {
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH) {
        buffer[0] = '\0';
        return 0;
    }
    if (buffer[length - 1] != '\\' && length + 1 < MAX_PATH) {
        buffer[length] = '\\';
        buffer[length + 1] = '\0';
    }
    return static_cast<int>(length);
}

std::string GetLangFileDirectory() {
    // Beside the executable first: started through a shortcut with another working
    // folder, the program must still find its texts.
    char path[MAX_PATH + 1] = {0};
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string folder(path, length);
        size_t slash = folder.find_last_of('\\');
        if (slash != std::string::npos) {
            folder.erase(slash + 1);
            std::string file = folder + LangFileName(SetupGlobals.langIndex);
            if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
        }
    }
    char current[MAX_PATH + 1] = {0};
    GetSetupDirectory(current);
    return current;
}

std::string LoadLangString(const char* section, const char* key) {
    std::string path = GetLangFileDirectory() + LangFileName(SetupGlobals.langIndex);
    char value[512] = {0};
    GetPrivateProfileStringA(section, key, "Error", value, sizeof(value), path.c_str());
    return ExpandLineBreaks(value);
}

std::string LoadProductFormattedString(const char* section, const char* key) {
    return FormatWithProduct(LoadLangString(section, key), LoadLangString("MAIN", "PRODUCT_NAME"));
}
