// Hexadecimal text of keyboard-layout handles, read back from the registry and written to it.
#include "system/HexText.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>

namespace {
TEST(ParseHex, DigitsOfEitherCaseOtherwiseZero) {
    const struct { const char* text; uint32_t value; } cases[] = {
        {"E0200804", 0xE0200804u}, {"e0200804", 0xE0200804u}, {"E0a0B80f", 0xE0A0B80Fu},
        {"1a", 0x1A}, {"0", 0}, {"FFFFFFFF", 0xFFFFFFFFu}, {"04090409", 0x04090409u},
        {"", 0}, {" 1A", 0}, {"1A ", 0}, {"1G", 0}, {"G", 0}, {"0x1A", 0}, {"-1", 0},
        {"\xC1" "1", 0}, {"1\xFF", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseHex(c.text, std::strlen(c.text)), c.value) << '"' << c.text << '"';
}

TEST(ParseHex, OnlyTheGivenLengthIsRead) {
    EXPECT_EQ(ParseHex("E0200804junk", 8), 0xE0200804u);
    EXPECT_EQ(ParseHex("1A", 0), 0u);
    EXPECT_EQ(ParseHex("1A", 1), 1u);
}

TEST(FormatHandleText, SameAsUpperCaseHexFormat) {
    const uint32_t handles[] = {0xE0200804u, 0xE0030404u, 0x04090409u, 0x1A, 0, 0xFFFFFFFFu, 0x00000010u};
    for (uint32_t handle : handles) {
        char expected[16];
        std::snprintf(expected, sizeof(expected), "%X", static_cast<unsigned>(handle));
        char out[9];
        std::memset(out, '?', sizeof(out));
        FormatHandleText(handle, out, sizeof(out));
        EXPECT_STREQ(out, expected);
        EXPECT_EQ(ParseHex(out, std::strlen(out)), handle);
        char cut[4];
        FormatHandleText(handle, cut, sizeof(cut));
        EXPECT_EQ(std::string(cut), std::string(expected).substr(0, 3));
    }
}
}  // namespace
