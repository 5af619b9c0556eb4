// Release and language classification: every row of the version and code-page tables.
#include "base/HostClassification.h"
#include <gtest/gtest.h>

namespace {
const unsigned long WIN9X = 1, NT = 2;

struct VersionCase {
    OsVersionFacts facts;
    int expected;
};

VersionCase V(unsigned long platform, unsigned long major, unsigned long minor, char csd, int expected,
              bool available = true) {
    return {{available, platform, major, minor, csd}, expected};
}

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << (c.facts.available ? "" : "unreadable ") << "platform " << c.facts.platformId << ", "
        << c.facts.major << "." << c.facts.minor << ", service character '" << c.facts.csdSecond << "'";
}

class VersionClass : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionClass, FactsGiveOsClass) {
    EXPECT_EQ(ClassifyVersionFacts(GetParam().facts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Win9x, VersionClass, ::testing::Values(
    V(WIN9X, 4, 0, '\0', OS_WIN95), V(WIN9X, 4, 0, ' ', OS_WIN95), V(WIN9X, 4, 0, 'A', OS_WIN95),
    V(WIN9X, 4, 0, 'B', OS_WIN95_OSR2), V(WIN9X, 4, 0, 'C', OS_WIN95_OSR2),
    V(WIN9X, 4, 10, 'A', OS_WIN98_SE), V(WIN9X, 4, 10, ' ', OS_WIN98), V(WIN9X, 4, 10, '\0', OS_WIN98),
    V(WIN9X, 4, 10, 'B', OS_WIN98), V(WIN9X, 4, 10, 'a', OS_WIN98),
    V(WIN9X, 4, 90, ' ', OS_WINME), V(WIN9X, 4, 90, 'A', OS_WINME),
    V(WIN9X, 4, 3, 'B', OS_WIN9X_OTHER), V(WIN9X, 3, 0, 'B', OS_WIN9X_OTHER),
    V(WIN9X, 5, 10, 'A', OS_WIN9X_OTHER), V(WIN9X, 0, 0, '\0', OS_WIN9X_OTHER)));

INSTANTIATE_TEST_SUITE_P(Nt, VersionClass, ::testing::Values(
    V(NT, 3, 51, 'S', OS_NT4), V(NT, 4, 0, 'e', OS_NT4), V(NT, 0, 0, '\0', OS_NT4), V(NT, 4, 90, '\0', OS_NT4),
    V(NT, 5, 0, '\0', OS_WIN2000), V(NT, 5, 1, 'e', OS_WINXP), V(NT, 5, 2, '\0', OS_WIN2003),
    V(NT, 5, 3, '\0', OS_NT_NEWER), V(NT, 5, 90, '\0', OS_NT_NEWER), V(NT, 6, 0, '\0', OS_NT_NEWER),
    V(NT, 6, 1, '\0', OS_NT_NEWER), V(NT, 6, 2, '\0', OS_NT_NEWER), V(NT, 10, 0, '\0', OS_NT_NEWER),
    V(NT, 0xFFFFFFFFul, 0, '\0', OS_NT_NEWER)));

// Win32s (0), Windows CE (3), and a version that could not be read.
INSTANTIATE_TEST_SUITE_P(Other, VersionClass, ::testing::Values(
    V(0, 3, 10, '\0', OS_UNKNOWN), V(3, 5, 1, '\0', OS_UNKNOWN),
    V(NT, 5, 1, '\0', OS_UNKNOWN, false), V(WIN9X, 4, 10, 'A', OS_UNKNOWN, false)));

TEST(LangIndexForCodePage, EveryListedCodePageAndSomeOthers) {
    const struct { unsigned codePage; int expected; } cases[] = {
        {936, 0}, {10008, 0}, {50227, 0}, {50935, 0}, {50936, 0}, {51936, 0}, {52936, 0},
        {950, 1}, {10002, 1}, {20000, 1}, {20001, 1}, {20002, 1}, {20003, 1}, {20004, 1}, {20005, 1},
        {50229, 1}, {51950, 1},
        {1252, 2}, {932, 2}, {20006, 2}, {437, 2}, {949, 2}, {54936, 2}, {65001, 2}, {0, 2}};
    for (const auto& c : cases) EXPECT_EQ(LangIndexForCodePage(c.codePage), c.expected) << c.codePage;
}
}  // namespace
