#include "system/ShellPaths.h"
#include "base/PathText.h"
#include <cstring>

// Stored as the bytes of each language's code page (936, 950, ASCII), passed unchanged to
// the ANSI file and shell functions.
const char ShortcutFolderNames[3][SHORTCUT_NAME_SIZE] = {
    "\\Quorvel\\\xD6\xC7\xC4\xDC" "Zk\xCA\xE4\xC8\xEB\xB7\xA8" "2006\xD7\xA8\xD2\xB5\xB0\xE6\\",
    "\\Quorvel\\\xB4\xBC\xAF\xE0" "Zk\xBF\xE9\xA4J\xAAk2006\xB1M\xB7~\xAA\xA9\\",
    "\\Quorvel\\Zk IME 2006 Professional Edition\\"};

const char ShortcutLinkNames[3][SHORTCUT_NAME_SIZE] = {
    "\xB0\xEF\xD6\xFA\xCE\xC4\xBC\xFE.lnk",
    "\xC0\xB0\xA7U\xC0\xC9.lnk",
    "Help.lnk"};

void GetParentDirectory(const char* path, char* out, std::size_t outSize, LeadByteTest isLead) {
    if (outSize == 0) return;
    out[0] = '\0';
    std::size_t length = std::strlen(path);
    if (length < 5 || length > 260) return;
    // A single trailing backslash belongs to the last component.
    std::size_t end = FolderLength(path, length - 1, isLead);
    if (end == 0 || end >= outSize) return;
    std::memcpy(out, path, end);
    out[end] = '\0';
}
