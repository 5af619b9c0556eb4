// The installed version read at start-up decides between install and maintenance mode.
#include "RegistryFixture.h"
#include "registry/ProductRecord.h"
#include <gtest/gtest.h>

namespace {
struct VersionCase {
    const char* name;
    int kind;  // 0 none, 1 REG_DWORD value, 2 REG_SZ "21100"
    DWORD value;
    int expected;
};

class ModeSelection : public ::testing::TestWithParam<VersionCase> {
protected:
    void SetUp() override { testreg::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Quorvel"); }
    void TearDown() override { testreg::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Quorvel"); }
};

TEST_P(ModeSelection, StoredVersionGivesInstalledState) {
    const VersionCase& c = GetParam();
    if (c.kind == 1) testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", c.value);
    if (c.kind == 2) testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", "21100");
    EXPECT_EQ(GetInstalledState(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, ModeSelection, ::testing::Values(
    VersionCase{"Absent", 0, 0, INSTALLED_NONE},
    VersionCase{"Same", 1, 21100, INSTALLED_SAME},
    VersionCase{"Older", 1, 21099, INSTALLED_OLDER},
    VersionCase{"Newer", 1, 21101, INSTALLED_NEWER},
    VersionCase{"Zero", 1, 0, INSTALLED_OLDER},
    VersionCase{"AllBitsSetIsUnsigned", 1, 0xFFFFFFFFu, INSTALLED_NEWER},
    VersionCase{"TextIsNotAVersion", 2, 0, INSTALLED_NONE}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });
}  // namespace
