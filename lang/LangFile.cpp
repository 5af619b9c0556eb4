#include "lang/LangFile.h"
#include "base/PathText.h"
#include "base/SetupGlobals.h"
#include "lang/LangText.h"
#include <windows.h>

int GetSetupDirectory(char* buffer, std::size_t size) {
    if (size == 0) return 0;
    DWORD room = size < MAX_PATH ? static_cast<DWORD>(size) : MAX_PATH;
    DWORD length = GetCurrentDirectoryA(room, buffer);
    if (length == 0 || length >= room) {
        buffer[0] = '\0';
        return 0;
    }
    if (FolderLength(buffer, length, IsDBCSLeadByte) != length && length + 1 < room) {
        buffer[length] = '\\';
        buffer[length + 1] = '\0';
    }
    return static_cast<int>(length);
}

void GetLangFileDirectory(char* out, std::size_t outSize) {
    if (outSize == 0) return;
    // Beside the executable first: started through a shortcut with another working
    // folder, the program must still find its texts.
    char folder[SETUP_PATH_SIZE] = {0};
    DWORD length = GetModuleFileNameA(NULL, folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::size_t slash = FolderLength(folder, length, IsDBCSLeadByte);
        if (slash > 0) {
            folder[slash] = '\0';
            char file[SETUP_PATH_SIZE];
            if (JoinPath(file, sizeof(file), folder, LangFileName(SetupGlobals.langIndex)) &&
                GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES &&
                JoinPath(out, outSize, folder, ""))
                return;
        }
    }
    char current[SETUP_PATH_SIZE] = {0};
    GetSetupDirectory(current, sizeof(current));
    JoinPath(out, outSize, current, "");
}

void LoadLangString(const char* section, const char* key, char* out, std::size_t outSize) {
    if (outSize == 0) return;
    char folder[SETUP_PATH_SIZE], path[SETUP_PATH_SIZE];
    GetLangFileDirectory(folder, sizeof(folder));
    char value[LANG_TEXT_SIZE] = "Error";  // a path over 260 characters finds no file
    if (JoinPath(path, sizeof(path), folder, LangFileName(SetupGlobals.langIndex)))
        GetPrivateProfileStringA(section, key, "Error", value, sizeof(value), path);
    ExpandLineBreaks(value, out, outSize, IsDBCSLeadByte);
}

void LoadProductFormattedString(const char* section, const char* key, char* out, std::size_t outSize) {
    char format[LANG_TEXT_SIZE], product[LANG_TEXT_SIZE];
    LoadLangString(section, key, format, sizeof(format));
    LoadLangString("MAIN", "PRODUCT_NAME", product, sizeof(product));
    FormatWithProduct(format, product, out, outSize);
}
