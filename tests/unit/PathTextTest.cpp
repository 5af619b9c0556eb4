// Target path building and the levels of a directory path that get created.
#include "base/PathText.h"
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
};

void PrintTo(const LevelsCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }

class DirectoryLevelsOf : public ::testing::TestWithParam<LevelsCase> {};

TEST_P(DirectoryLevelsOf, PathGivesLevels) {
    const LevelsCase& c = GetParam();
    std::vector<std::string> levels;
    std::size_t lengths[SETUP_MAX_PATH];
    std::size_t count = DirectoryLevels(c.path, lengths, SETUP_MAX_PATH);
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_LE(lengths[i], std::strlen(c.path));
        levels.emplace_back(c.path, lengths[i]);
    }
    EXPECT_EQ(levels, c.levels) << c.path;
    // A short list holds the shallowest levels.
    std::size_t first[1];
    EXPECT_EQ(DirectoryLevels(c.path, first, 1), c.levels.empty() ? 0u : 1u);
    if (!c.levels.empty()) {
        EXPECT_EQ(first[0], c.levels[0].size());
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, DirectoryLevelsOf, ::testing::Values(
    LevelsCase{"", {}}, LevelsCase{"C:", {}}, LevelsCase{"C:\\", {}}, LevelsCase{"abc", {}},
    LevelsCase{"C:\\A", {"C:\\A"}},
    LevelsCase{"C:\\A\\", {"C:\\A"}},
    LevelsCase{"C:\\A\\B\\", {"C:\\A", "C:\\A\\B"}},
    LevelsCase{"C:\\A\\B", {"C:\\A", "C:\\A\\B"}},
    LevelsCase{"C:\\A\\b.txt", {"C:\\A", "C:\\A\\b.txt"}},
    LevelsCase{"\\A\\B", {"\\A", "\\A\\B"}},
    LevelsCase{"A\\B\\", {"A", "A\\B"}},
    LevelsCase{"ABCD", {"ABCD"}},
    LevelsCase{"\\\\server\\share\\x", {"\\", "\\\\server", "\\\\server\\share", "\\\\server\\share\\x"}},
    LevelsCase{"C:\\WINDOWS\\SYSTEM" IME_FOLDER_SUFFIX,
               {"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM\\IME",
                "C:\\WINDOWS\\SYSTEM\\IME\\Quorvel", "C:\\WINDOWS\\SYSTEM\\IME\\Quorvel\\ZkV4Ivi"}}));
}  // namespace
