// The product's registry record on Wine's real registry: the two general routines, the
// product-value shortcut and the removal of the record at uninstall.
#include "RegistryFixture.h"
#include "registry/ProductRecord.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {
class ProductRecord : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        testreg::DeleteTree(HKEY_LOCAL_MACHINE, MAKER_KEY);
        testreg::DeleteTree(HKEY_CURRENT_USER, MAKER_KEY);
    }
};

// How the value is stored before ReadRegValue runs.
enum Stored { NO_KEY, NO_VALUE, AS_DWORD, AS_TEXT, AS_TEXT_WITHOUT_NUL };

struct ReadCase {
    const char* name;
    Stored stored;
    const char* text;     // for the text kinds
    DWORD expectedType;
    DWORD capacity;       // bytes offered to the routine
    int result;
    DWORD sizeAfter;      // when result is 1
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadRegValueCase : public ProductRecord, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadRegValueCase, ResultAndSize) {
    const ReadCase& c = GetParam();
    if (c.stored != NO_KEY) testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Other", 7);
    if (c.stored == AS_DWORD) testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Value", 0x526C);
    if (c.stored == AS_TEXT || c.stored == AS_TEXT_WITHOUT_NUL)
        testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Value", c.text, REG_SZ, c.stored == AS_TEXT);

    unsigned char buffer[16];
    std::memset(buffer, 0, sizeof(buffer));
    DWORD size = c.capacity;
    int result = ReadRegValue(HKEY_LOCAL_MACHINE, "Value", c.expectedType, buffer, &size, PRODUCT_KEY);
    EXPECT_EQ(result, c.result);
    for (DWORD i = c.capacity; i < sizeof(buffer); ++i) ASSERT_EQ(buffer[i], 0) << "written past the buffer";
    if (result != 1) return;
    // A text stored without its NUL: Wine's reader adds one when there is room and counts it.
    if (c.stored == AS_TEXT_WITHOUT_NUL && size == c.sizeAfter + 1) EXPECT_EQ(buffer[c.sizeAfter], 0);
    else EXPECT_EQ(size, c.sizeAfter);
    if (c.stored == AS_DWORD) {
        DWORD number;
        std::memcpy(&number, buffer, sizeof(number));
        EXPECT_EQ(number, 0x526Cu);
    } else {
        EXPECT_STREQ(reinterpret_cast<char*>(buffer), c.text);  // the cleared byte ends the text
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadRegValueCase, ::testing::Values(
    ReadCase{"MissingKey", NO_KEY, "", REG_DWORD, 4, 0, 0},
    ReadCase{"MissingValue", NO_VALUE, "", REG_DWORD, 4, 0, 0},
    ReadCase{"TextWhereNumberExpected", AS_TEXT, "21100", REG_DWORD, 8, 0, 0},
    ReadCase{"NumberWhereTextExpected", AS_DWORD, "", REG_SZ, 8, 0, 0},
    ReadCase{"BufferTooSmall", AS_DWORD, "", REG_DWORD, 3, 0, 0},
    ReadCase{"ExactFit", AS_DWORD, "", REG_DWORD, 4, 1, 4},
    ReadCase{"LargerBufferReportsStoredSize", AS_DWORD, "", REG_DWORD, 8, 1, 4},
    ReadCase{"EightCharactersWithNul", AS_TEXT, "E0200804", REG_SZ, 9, 1, 9},
    ReadCase{"EightCharactersWithoutNul", AS_TEXT_WITHOUT_NUL, "E0200804", REG_SZ, 9, 1, 8},
    ReadCase{"ShortTextWithoutNul", AS_TEXT_WITHOUT_NUL, "1A", REG_SZ, 9, 1, 2},
    ReadCase{"NineCharactersWithNul", AS_TEXT, "E02008041", REG_SZ, 9, 0, 0},
    ReadCase{"TenCharactersWithoutNul", AS_TEXT_WITHOUT_NUL, "E020080412", REG_SZ, 9, 0, 0}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Nine characters stored without a NUL: either the read fails (Wine wants room for the NUL it
// adds), or all nine bytes are text, which the reader of "ImeHKL" counts as unreadable.
TEST_F(ProductRecord, NineCharactersWithoutNulNeverGiveATerminatedText) {
    testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", "E02008041", REG_SZ, false);
    char buffer[9] = {0};
    DWORD size = sizeof(buffer);
    if (ReadRegValue(HKEY_LOCAL_MACHINE, "ImeHKL", REG_SZ, buffer, &size, PRODUCT_KEY)) {
        EXPECT_EQ(std::memchr(buffer, '\0', sizeof(buffer)), nullptr);
    }
}

TEST_F(ProductRecord, WriteCreatesMakerAndProductLevels) {
    ASSERT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY));
    EXPECT_EQ(WriteRegValue(HKEY_LOCAL_MACHINE, "ImeHKL", REG_SZ, "E0200804", 9, PRODUCT_KEY), 1);
    DWORD type = 0;
    EXPECT_EQ(testreg::GetRaw(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", &type), std::string("E0200804", 9));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, MAKER_KEY));
}

TEST_F(ProductRecord, WriteStoresBytesAsGivenAndKeepsOtherValues) {
    testreg::SetDword(HKEY_CURRENT_USER, PRODUCT_KEY, "Keep", 5);
    const char bytes[] = {'A', 0, 'B', 0, 0};
    EXPECT_EQ(WriteRegValue(HKEY_CURRENT_USER, "Keep2", REG_BINARY, bytes, 5, PRODUCT_KEY), 1);
    EXPECT_EQ(WriteRegValue(HKEY_CURRENT_USER, "Keep2", REG_BINARY, bytes, 3, PRODUCT_KEY), 1);
    EXPECT_EQ(testreg::GetRaw(HKEY_CURRENT_USER, PRODUCT_KEY, "Keep2"), std::string(bytes, 3));
    EXPECT_EQ(testreg::GetDword(HKEY_CURRENT_USER, PRODUCT_KEY, "Keep"), 5u);
}

TEST_F(ProductRecord, WriteThatCannotOpenOrCreateStillReportsOne) {
    DWORD version = SETUP_VERSION;
    EXPECT_EQ(WriteRegValue(NULL, "Version", REG_DWORD, &version, sizeof(version), PRODUCT_KEY), 1);
}

TEST_F(ProductRecord, ProductValueGoesBelowLocalMachine) {
    DWORD version = SETUP_VERSION;
    EXPECT_EQ(WriteProductValue("Version", REG_DWORD, &version, sizeof(version)), 1);
    EXPECT_EQ(testreg::GetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version"), 21100u);
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, PRODUCT_KEY));
    EXPECT_EQ(GetInstalledState(), INSTALLED_SAME);
}

struct DeleteCase {
    const char* name;
    bool machineRecord;  // HKLM product key with "Version" and "ImeHKL"
    bool userMaker;      // HKCU "Software\Quorvel"
    bool userRecord;     // HKCU product key with a value
    int result;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

class DeleteProductKeyCase : public ProductRecord, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteProductKeyCase, RemovesRecordsAndKeepsMakerKeys) {
    const DeleteCase& c = GetParam();
    if (c.machineRecord) {
        testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", SETUP_VERSION);
        testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", "E0200804");
    }
    if (c.userMaker) testreg::SetDword(HKEY_CURRENT_USER, MAKER_KEY, "Keep", 1);
    if (c.userRecord) testreg::SetString(HKEY_CURRENT_USER, PRODUCT_KEY, "ImeHKL", "E0200804");

    EXPECT_EQ(DeleteProductKey(), c.result);
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, PRODUCT_KEY));
    // The maker's keys stay, even when nothing is left in them.
    EXPECT_EQ(testreg::KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY), c.machineRecord);
    EXPECT_EQ(testreg::KeyExists(HKEY_CURRENT_USER, MAKER_KEY), c.userMaker);
    // Without a machine record nothing below the user's hive is touched.
    EXPECT_EQ(testreg::ValueExists(HKEY_CURRENT_USER, PRODUCT_KEY, "ImeHKL"), c.userRecord && !c.machineRecord);
    EXPECT_EQ(GetInstalledState(), INSTALLED_NONE);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteProductKeyCase, ::testing::Values(
    DeleteCase{"BothHives", true, true, true, 1},
    DeleteCase{"UserMakerWithoutRecord", true, true, false, 1},
    DeleteCase{"NoUserMakerKey", true, false, false, 0},
    DeleteCase{"NoMachineRecordLeavesUserRecord", false, true, true, 0}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });
}  // namespace
