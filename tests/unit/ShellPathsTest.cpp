// Start-menu names and the parent-folder rule of the shortcut.
#include "system/ShellPaths.h"
#include "tests/unit/CodePages.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
TEST(GetParentDirectory, KeepsTheTrailingBackslashOfTheParent) {
    const struct { const char* path; const char* parent; const char* codePage; } cases[] = {
        {"C:\\a", "", nullptr},  // shorter than 5 characters
        {"nobackslash", "", nullptr},
        {"C:\\dir\\", "C:\\", nullptr},
        {"C:\\dir\\file.txt", "C:\\dir\\", nullptr},
        {"C:\\dir\\sub\\", "C:\\dir\\", nullptr},
        {"C:\\Programs\\Quorvel\\Help.lnk", "C:\\Programs\\Quorvel\\", nullptr},
        {"\\share", "\\", nullptr},
        // 0x5C as a trail byte in the first level, in the last one, at the very end; a lone
        // lead byte at the end.
        {CP950_XU CP950_GONG "\\Help.lnk", CP950_XU CP950_GONG "\\", "950"},
        {"C:\\users\\" CP950_XU CP950_GONG CP950_GAI, "C:\\users\\", "950"},
        {"C:\\users\\" CP950_XU CP950_GONG CP950_GAI "\\", "C:\\users\\", "950"},
        {"C:\\" CP936_A "\\" CP936_B "\\x.lnk", "C:\\" CP936_A "\\" CP936_B "\\", "936"},
        {"C:\\dir\\ab\xB3", "C:\\dir\\", "936"},
        // Byte by byte in a single-byte code page.
        {"C:\\users\\" CP950_XU CP950_GONG CP950_GAI, "C:\\users\\" CP950_XU CP950_GONG, "1252"},
    };
    for (const auto& c : cases)
        for (const codepage::CodePage& page : codepage::kAll) {
            if (c.codePage && std::strcmp(c.codePage, page.name) != 0) continue;
            char out[261];
            std::memset(out, '?', sizeof(out));
            GetParentDirectory(c.path, out, sizeof(out), page.isLead);
            EXPECT_STREQ(out, c.parent) << c.path << " in " << page.name;
        }
}

TEST(GetParentDirectory, PathOf260CharactersFitsLongerIsRefused) {
    for (std::size_t length : {260u, 261u, 400u}) {
        for (const char* tail : {"x", CP950_XU, "\xB3"}) {
            std::string path = "C:\\" + std::string(length - 3 - std::strlen(tail), 'x') + tail;
            path[98] = '\\';
            path[99] = '\xB3';  // with the backslash after it, a character in a double-byte code page
            path[100] = '\\';
            for (const codepage::CodePage& page : codepage::kAll) {
                std::size_t parent = page.isLead == codepage::SingleByte ? 101 : 99;
                char out[261];
                GetParentDirectory(path.c_str(), out, sizeof(out), page.isLead);
                EXPECT_EQ(std::string(out), length <= 260 ? path.substr(0, parent) : "") << length << page.name;
                std::vector<char> tight(parent);  // one byte short of the parent and its NUL
                GetParentDirectory(path.c_str(), tight.data(), tight.size(), page.isLead);
                EXPECT_STREQ(tight.data(), "") << length << page.name;
            }
        }
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
