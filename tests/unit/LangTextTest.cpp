// Text rules of the language files: the line-break escape, the product-name formatter and
// the file names per language.
#include "lang/LangText.h"
#include "tests/unit/CodePages.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::string Expanded(const std::string& text, LeadByteTest isLead = codepage::SingleByte) {
    std::vector<char> out(text.size() + 1);
    std::size_t length = ExpandLineBreaks(text.c_str(), out.data(), out.size(), isLead);
    EXPECT_EQ(length, std::strlen(out.data()));
    return out.data();
}

// Into a buffer exactly as large as the whole result, so the sanitizer sees any overrun.
std::string Formatted(const std::string& format, const std::string& product) {
    std::vector<char> out(format.size() + product.size() + 1);
    std::size_t length = FormatWithProduct(format.c_str(), product.c_str(), out.data(), out.size());
    EXPECT_EQ(length, std::strlen(out.data()));
    return out.data();
}

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(ExpandLineBreaks, BackslashNBecomesLineFeed) {
    const TextCase cases[] = {
        {"first\\nsecond", "first\nsecond"},
        {"C:\\new", "C:\new"},  // a path in a value loses its backslash and n as well
        {"ends in\\", "ends in\\"},
        {"\\n\\n", "\n\n"},
        {"a\\\\nb", "a\\\nb"},  // the second backslash pairs with n
        {"\\N and \\t stay", "\\N and \\t stay"},
        {"n\\", "n\\"},
        {"no escape", "no escape"},
        {"", ""},
    };
    for (const TextCase& c : cases)
        for (const codepage::CodePage& page : codepage::kAll)
            EXPECT_EQ(Expanded(c.input, page.isLead), c.expected) << c.input << " in " << page.name;
}

// A backslash that is the second byte of a double-byte character pairs with no n.
TEST(ExpandLineBreaks, TrailByte5CIsNoEscape) {
    const struct { const char* input; const char* expected; const char* codePage; } cases[] = {
        {CP950_XU "n", CP950_XU "n", "950"},
        {CP950_GONG "\\n" CP950_GAI "n", CP950_GONG "\n" CP950_GAI "n", "950"},
        {"\\n" CP936_A "n\\n", "\n" CP936_A "n\n", "936"},
        {CP936_B CP936_B "n", CP936_B CP936_B "n", "936"},
        {"a\xB3", "a\xB3", "950"},  // a lead byte as the last byte
        {CP950_XU "n", "\xB3\n", "1252"},  // byte by byte
    };
    for (const auto& c : cases)
        for (const codepage::CodePage& page : codepage::kAll)
            if (std::strcmp(c.codePage, page.name) == 0) {
                EXPECT_EQ(Expanded(c.input, page.isLead), c.expected) << c.input << " in " << page.name;
            }
}

struct FormatCase {
    const char* format;
    const char* product;
    const char* expected;
};

TEST(FormatWithProduct, OnlyTheFirstSAndDoublePercentAreInterpreted) {
    const FormatCase cases[] = {
        {"Welcome to %s Setup", "Zk", "Welcome to Zk Setup"},
        {"%s and %s", "Zk", "Zk and %s"},
        {"%d files of %s", "Zk", "%d files of Zk"},
        {"%s at 50%", "Zk", "Zk at 50%"},
        {"%", "Zk", "%"},
        {"%%s", "Zk", "%s"},
        {"100%%%s", "Zk", "100%Zk"},
        {"%5s|%S|%n", "Zk", "%5s|%S|%n"},
        {"no placeholder", "Zk", "no placeholder"},
        {"Install %s now", "A%sB", "Install A%sB now"},
        {"Install %s now", "%d%%", "Install %d%% now"},
        {"[%s]", "", "[]"},
        {"", "Zk", ""},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(Formatted(c.format, c.product), c.expected) << c.format << " / " << c.product;
}

// Texts that keep to the rule of the language files (one "%s", "%%" for a percent sign) look
// exactly as printf-style formatting would make them.
TEST(FormatWithProduct, ContractTextsMatchPrintf) {
    const char* formats[] = {
        "%s", "Welcome to %s Setup", "%s has been installed.", "100%% of %s",
        "%%%s%%", "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3 %s \xB0\xB2\xD7\xB0", "%s\nsecond line",
        "%% first, then %s", "no name, only 5%%"};
    const char* products[] = {"Zk IME 2006", "\xD6\xC7\xC4\xDC" "Zk", "50% off", "%s%d", ""};
    for (const char* format : formats)
        for (const char* product : products) {
            std::vector<char> buffer(512);
            int length = std::snprintf(buffer.data(), buffer.size(), format, product);
            ASSERT_GE(length, 0);
            EXPECT_EQ(Formatted(format, product), std::string(buffer.data(), length))
                << format << " / " << product;
        }
}

// A buffer too small for the result holds its first outSize - 1 bytes; in place works.
TEST(BoundedText, CutAtTheBufferAndExpandInPlace) {
    const struct { const char* format; std::size_t size; const char* expected; } cuts[] = {
        {"Welcome to %s Setup", 14, "Welcome to Zk"}, {"Welcome to %s Setup", 13, "Welcome to Z"},
        {"100%%", 4, "100"}, {"100%%", 5, "100%"}, {"%s", 1, ""}, {"abc", 2, "a"}};
    for (const auto& c : cuts) {
        std::vector<char> out(c.size);
        EXPECT_EQ(FormatWithProduct(c.format, "Zk", out.data(), out.size()), std::strlen(c.expected));
        EXPECT_STREQ(out.data(), c.expected) << c.format << " / " << c.size;
    }
    char small[4];
    EXPECT_EQ(ExpandLineBreaks("a\\nbc", small, sizeof(small), codepage::SingleByte), 3u);
    EXPECT_STREQ(small, "a\nb");
    EXPECT_EQ(ExpandLineBreaks("ab" CP950_XU "n", small, sizeof(small), codepage::DoubleByte), 3u);
    EXPECT_STREQ(small, "ab\xB3");  // cut after a lead byte, as the bytes fall
    char text[] = "one\\ntwo\\n" CP950_XU "n";
    ExpandLineBreaks(text, text, sizeof(text), codepage::DoubleByte);
    EXPECT_STREQ(text, "one\ntwo\n" CP950_XU "n");
}

TEST(LangFileName, RowPerLanguageAndEnglishOutsideTheTable) {
    const struct { int index; const char* name; } cases[] = {
        {0, "0804.lng"}, {1, "0404.lng"}, {2, "0409.lng"}, {3, "0409.lng"}, {-1, "0409.lng"}};
    for (const auto& c : cases) EXPECT_STREQ(LangFileName(c.index), c.name) << c.index;
}
}  // namespace
