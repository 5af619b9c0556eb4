// Target path building and the levels of a directory path that get created.
#include "base/PathText.h"
#include "tests/unit/CodePages.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
TEST(JoinPath, PartsAreConcatenated) {
    char out[SETUP_PATH_SIZE];
    ASSERT_TRUE(JoinPath(out, sizeof(out), "C:\\WINDOWS\\SYSTEM", "\\Vsock28.vxd"));
    EXPECT_STREQ(out, "C:\\WINDOWS\\SYSTEM\\Vsock28.vxd");
    ASSERT_TRUE(JoinPath3(out, sizeof(out), "C:\\WINDOWS\\SYSTEM", IME_FOLDER_SUFFIX, "Help.chm"));
    EXPECT_STREQ(out, "C:\\WINDOWS\\SYSTEM\\IME\\Quorvel\\ZkV4Ivi\\Help.chm");
    ASSERT_TRUE(JoinPath3(out, sizeof(out), "", "", ""));
    EXPECT_STREQ(out, "");
    char small[8];
    EXPECT_TRUE(JoinPath(small, sizeof(small), "C:\\", "abcd"));
    EXPECT_FALSE(JoinPath(small, sizeof(small), "C:\\", "abcde"));  // no room for the NUL
    EXPECT_STREQ(small, "");
}

// The output buffer is exactly as large as promised (260 characters and the NUL), so the
// sanitizer catches any write beyond it.
TEST(JoinPath, LongerThan260CharactersIsRefusedWithEmptyOutput) {
    const struct { std::size_t a, b, c; } splits[] = {
        {259, 1, 0}, {258, 1, 1}, {1, 1, 258}, {200, 59, 1}, {259, 0, 2}, {0, 0, 261},
        {260, 0, 0}, {261, 0, 0}, {100, 100, 100}, {300, 300, 300}};
    for (const auto& s : splits) {
        std::string a(s.a, 'a'), b(s.b, 'b'), c(s.c, 'c');
        std::size_t total = s.a + s.b + s.c;
        std::vector<char> out(SETUP_MAX_PATH + 1, 'x');
        bool joined = JoinPath3(out.data(), out.size(), a.c_str(), b.c_str(), c.c_str());
        EXPECT_EQ(joined, total <= SETUP_MAX_PATH) << total;
        EXPECT_EQ(std::string(out.data()), joined ? a + b + c : "") << total;
        std::fill(out.begin(), out.end(), 'x');
        joined = JoinPath(out.data(), out.size(), a.c_str(), (b + c).c_str());
        EXPECT_EQ(joined, total <= SETUP_MAX_PATH) << total;
        EXPECT_EQ(std::string(out.data()), joined ? a + b + c : "") << total;
    }
}

struct LevelsCase {
    const char* path;
    std::vector<std::string> levels;  // the directories created, in order
    const char* codePage;             // null: the same in every code page
};

void PrintTo(const LevelsCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }

class DirectoryLevelsOf : public ::testing::TestWithParam<LevelsCase> {};

TEST_P(DirectoryLevelsOf, PathGivesLevels) {
    const LevelsCase& c = GetParam();
    for (const codepage::CodePage& page : codepage::kAll) {
        if (c.codePage && std::strcmp(c.codePage, page.name) != 0) continue;
        std::vector<std::string> levels;
        std::size_t lengths[SETUP_MAX_PATH];
        std::size_t count = DirectoryLevels(c.path, lengths, SETUP_MAX_PATH, page.isLead);
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_LE(lengths[i], std::strlen(c.path));
            levels.emplace_back(c.path, lengths[i]);
        }
        EXPECT_EQ(levels, c.levels) << c.path << " in " << page.name;
        // A short list holds the shallowest levels.
        std::size_t first[1];
        EXPECT_EQ(DirectoryLevels(c.path, first, 1, page.isLead), c.levels.empty() ? 0u : 1u);
        if (!c.levels.empty()) {
            EXPECT_EQ(first[0], c.levels[0].size());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, DirectoryLevelsOf, ::testing::Values(
    LevelsCase{"", {}, nullptr}, LevelsCase{"C:", {}, nullptr}, LevelsCase{"C:\\", {}, nullptr},
    LevelsCase{"abc", {}, nullptr},
    LevelsCase{"C:\\A", {"C:\\A"}, nullptr},
    LevelsCase{"C:\\A\\", {"C:\\A"}, nullptr},
    LevelsCase{"C:\\A\\B\\", {"C:\\A", "C:\\A\\B"}, nullptr},
    LevelsCase{"C:\\A\\B", {"C:\\A", "C:\\A\\B"}, nullptr},
    LevelsCase{"C:\\A\\b.txt", {"C:\\A", "C:\\A\\b.txt"}, nullptr},
    LevelsCase{"\\A\\B", {"\\A", "\\A\\B"}, nullptr},
    LevelsCase{"A\\B\\", {"A", "A\\B"}, nullptr},
    LevelsCase{"ABCD", {"ABCD"}, nullptr},
    LevelsCase{"\\\\server\\share\\x", {"\\", "\\\\server", "\\\\server\\share", "\\\\server\\share\\x"}, nullptr},
    LevelsCase{"C:\\WINDOWS\\SYSTEM" IME_FOLDER_SUFFIX,
               {"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM\\IME",
                "C:\\WINDOWS\\SYSTEM\\IME\\Quorvel", "C:\\WINDOWS\\SYSTEM\\IME\\Quorvel\\ZkV4Ivi"}, nullptr},
    // A trail byte 0x5C in the first level, a middle one, the last one, before a trailing
    // backslash; a lead byte as the last byte.
    LevelsCase{"C:\\users\\" CP950_XU CP950_GONG CP950_GAI "\\Programs\\Quorvel\\",
               {"C:\\users", "C:\\users\\" CP950_XU CP950_GONG CP950_GAI,
                "C:\\users\\" CP950_XU CP950_GONG CP950_GAI "\\Programs",
                "C:\\users\\" CP950_XU CP950_GONG CP950_GAI "\\Programs\\Quorvel"}, "950"},
    LevelsCase{CP950_XU "\\ab", {CP950_XU, CP950_XU "\\ab"}, "950"},
    LevelsCase{"C:\\A\\" CP950_GAI, {"C:\\A", "C:\\A\\" CP950_GAI}, "950"},
    LevelsCase{"C:\\" CP936_A "\\" CP936_B "\\", {"C:\\" CP936_A, "C:\\" CP936_A "\\" CP936_B}, "936"},
    LevelsCase{"C:\\A\\\xB3", {"C:\\A", "C:\\A\\\xB3"}, "950"},
    // Byte by byte, as a single-byte code page reads the same bytes.
    LevelsCase{"C:\\A\\" CP950_GAI, {"C:\\A", "C:\\A\\\xBB"}, "1252"},
    LevelsCase{"C:\\" CP936_A "B", {"C:\\\x81", "C:\\" CP936_A "B"}, "1252"}));

// Paths of 259 to 261 bytes whose last character is a double-byte one with the trail byte
// 0x5C, or a lone lead byte: the last level is the whole path, within the 260 entries.
TEST(DirectoryLevels, DoubleByteCharacterAtThe260ByteBound) {
    for (std::size_t length : {259u, 260u, 261u}) {
        for (const char* tail : {CP950_XU, "\xB3"}) {
            std::string path = "C:\\" + std::string(length - 3 - std::strlen(tail), 'a') + tail;
            path[100] = '\\';
            std::size_t levels[SETUP_MAX_PATH];
            ASSERT_EQ(DirectoryLevels(path.c_str(), levels, SETUP_MAX_PATH, codepage::DoubleByte), 2u) << length;
            EXPECT_EQ(levels[0], 100u);
            EXPECT_EQ(levels[1], length);
        }
    }
}

TEST(FolderLength, UpToTheLastBackslashCharacter) {
    const struct { const char* path; const char* codePage; std::size_t folder; } cases[] = {
        {"C:\\", "950", 3}, {"Setup.exe", "950", 0}, {"", "950", 0},
        {"C:\\d\\Setup.exe", "950", 5},
        {"C:\\" CP950_XU, "950", 3}, {"C:\\" CP950_XU, "1252", 5},
        {"C:\\" CP950_XU "\\Setup.exe", "950", 6}, {"C:\\" CP936_B "x\\", "936", 7},
        {"C:\\a\\\xB3", "936", 5},
    };
    for (const auto& c : cases)
        for (const codepage::CodePage& page : codepage::kAll)
            if (std::strcmp(c.codePage, page.name) == 0) {
                EXPECT_EQ(FolderLength(c.path, std::strlen(c.path), page.isLead), c.folder) << c.path;
            }
}
}  // namespace
