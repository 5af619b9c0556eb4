// Start-menu names and the parent-folder rule of the shortcut.
#include "system/ShellPaths.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
TEST(GetParentDirectory, KeepsTheTrailingBackslashOfTheParent) {
    const struct { const char* path; const char* parent; } cases[] = {
        {"C:\\a", ""},  // shorter than 5 characters
        {"nobackslash", ""},
        {"C:\\dir\\", "C:\\"},
        {"C:\\dir\\file.txt", "C:\\dir\\"},
        {"C:\\dir\\sub\\", "C:\\dir\\"},
        {"C:\\Programs\\Quorvel\\Help.lnk", "C:\\Programs\\Quorvel\\"},
        {"\\share", "\\"},
    };
    for (const auto& c : cases) {
        char out[261];
        std::memset(out, '?', sizeof(out));
        GetParentDirectory(c.path, out, sizeof(out));
        EXPECT_STREQ(out, c.parent) << c.path;
    }
}

TEST(GetParentDirectory, PathOf260CharactersFitsLongerIsRefused) {
    for (std::size_t length : {260u, 261u, 400u}) {
        std::string path = "C:\\" + std::string(length - 3, 'x');
        path[100] = '\\';
        char out[261];
        GetParentDirectory(path.c_str(), out, sizeof(out));
        EXPECT_EQ(std::string(out), length <= 260 ? path.substr(0, 101) : "") << length;
        char tight[101];  // one byte short of the parent and its NUL
        GetParentDirectory(path.c_str(), tight, sizeof(tight));
        EXPECT_STREQ(tight, "") << length;
    }
}

TEST(ShortcutNames, LengthsInBytesPerLanguage) {
    const std::size_t folderLengths[3] = {32, 32, 42};
    const std::size_t linkLengths[3] = {12, 10, 8};
    for (int lang = 0; lang < 3; ++lang) {
        const char* folder = ShortcutFolderNames[lang];
        std::size_t length = std::strlen(folder);
        EXPECT_EQ(length, folderLengths[lang]) << lang;
        ASSERT_GT(length, 1u);
        EXPECT_EQ(folder[0], '\\') << lang;
        EXPECT_EQ(folder[length - 1], '\\') << lang;
        EXPECT_EQ(std::strlen(ShortcutLinkNames[lang]), linkLengths[lang]) << lang;
        EXPECT_EQ(std::string(ShortcutLinkNames[lang]).substr(linkLengths[lang] - 4), ".lnk") << lang;
    }
}
}  // namespace
