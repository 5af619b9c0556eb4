// Putting payload on disk: resources written byte for byte, directory paths created level by
// level, and the choice of the IME module's build. Everything goes into the test's own prefix,
// which is thrown away afterwards.
#include "engine/PayloadCatalog.h"
#include "base/PathText.h"
#include "base/SystemPaths.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {
std::string ResourceBytes(unsigned number) {
    HRSRC info = FindResourceA(NULL, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(10));
    if (!info) return std::string();
    return std::string(static_cast<const char*>(LockResource(LoadResource(NULL, info))), SizeofResource(NULL, info));
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
bool IsDirectory(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// Every test works in a folder of its own below C:\.
class PayloadWrite : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = std::string("C:\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(CreateDirectoryA(base_.c_str(), NULL));
    }
    std::string In(const std::string& name) const { return base_ + "\\" + name; }
    std::string base_;
};

TEST_F(PayloadWrite, EveryRawDataResourceIsWrittenByteForByte) {
    for (unsigned number : {200, 201, 202, 210, 211, 212, 213, 214, 215, 216, 230, 250}) {
        std::string expected = ResourceBytes(number), path = In(std::to_string(number));
        ASSERT_FALSE(expected.empty()) << number;
        EXPECT_EQ(WriteResourceToFile(path.c_str(), number), 1) << number;
        EXPECT_TRUE(FileBytes(path) == expected) << number;  // no dump of a megabyte on failure
    }
    // Only the low 16 bits name the resource.
    EXPECT_EQ(WriteResourceToFile(In("high").c_str(), 0x10000u + IDR_DRIVER_BASE), 1);
    EXPECT_TRUE(FileBytes(In("high")) == ResourceBytes(IDR_DRIVER_BASE));
}

TEST_F(PayloadWrite, LongerExistingFileIsReplacedExactly) {
    std::string path = In("Vsock28.vxd"), driver = ResourceBytes(IDR_DRIVER_BASE);
    std::ofstream(path, std::ios::binary) << std::string(driver.size() * 3, 'x');
    EXPECT_EQ(WriteResourceToFile(path.c_str(), IDR_DRIVER_BASE), 1);
    EXPECT_TRUE(FileBytes(path) == driver);
}

TEST_F(PayloadWrite, MissingDirectoryFailsAndCreatesNothing) {
    EXPECT_EQ(WriteResourceToFile(In("missing\\Vsock28.vxd").c_str(), IDR_DRIVER_BASE), 0);
    EXPECT_FALSE(Exists(In("missing")));
}

// A resource that does not exist must neither report success nor truncate an installed file.
TEST_F(PayloadWrite, MissingResourceFailsAndLeavesTargetAlone) {
    std::ofstream(In("installed.dat"), std::ios::binary) << "installed content";
    EXPECT_EQ(WriteResourceToFile(In("installed.dat").c_str(), 299), 0);
    EXPECT_EQ(FileBytes(In("installed.dat")), "installed content");
    EXPECT_EQ(WriteResourceToFile(In("absent.dat").c_str(), 299), 0);
    EXPECT_EQ(WriteResourceToFile(In("absent.dat").c_str(), IDD_WELCOME_PAGE), 0);  // a dialog, not raw data
    EXPECT_FALSE(Exists(In("absent.dat")));
}

TEST_F(PayloadWrite, SameNamedDirectoryCannotBeWritten) {
    ASSERT_TRUE(CreateDirectoryA(In("Help.chm").c_str(), NULL));
    EXPECT_EQ(WriteResourceToFile(In("Help.chm").c_str(), IDR_HELP_FILE), 0);
    EXPECT_TRUE(IsDirectory(In("Help.chm")));
}

TEST_F(PayloadWrite, ImeFolderIsCreatedLevelByLevel) {
    char system[SETUP_MAX_PATH + 1], folder[SETUP_MAX_PATH + 1], help[SETUP_MAX_PATH + 1];
    ASSERT_TRUE(GetSystemDir(system, sizeof(system)));
    ASSERT_TRUE(BuildImeFolderPath(folder, sizeof(folder), ""));
    std::string product = std::string(system) + "\\IME\\Quorvel";
    ASSERT_FALSE(Exists(product));
    EXPECT_EQ(CreateDirectoryPath(folder), 1);
    EXPECT_TRUE(IsDirectory(product + "\\ZkV4Ivi"));
    EXPECT_EQ(CreateDirectoryPath(folder), 1);  // every level there already
    ASSERT_TRUE(BuildImeFolderPath(help, sizeof(help), "Help.chm"));
    EXPECT_EQ(WriteResourceToFile(help, IDR_HELP_FILE), 1);
}

TEST_F(PayloadWrite, DirectoryPathCases) {
    const struct { std::string path; int result; std::string created; } cases[] = {
        {"C:\\", 0, ""}, {"C:", 0, ""}, {"", 0, ""},
        {In("A"), 1, In("A")},
        {In("B\\C\\"), 1, In("B\\C")},
        {In("D\\E"), 1, In("D\\E")},
        {In("F\\b.txt"), 1, In("F\\b.txt")},  // the last component is always a directory
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CreateDirectoryPath(c.path.c_str()), c.result) << c.path;
        EXPECT_TRUE(c.created.empty() || IsDirectory(c.created)) << c.path;
    }
}

TEST_F(PayloadWrite, PathsLongerThan260CharactersAreRefused) {
    for (std::size_t length : {261u, 300u, 2000u}) {
        std::string path = In("long");
        while (path.size() < length) path += "\\level";
        path.resize(length, 'x');
        EXPECT_EQ(CreateDirectoryPath(path.c_str()), 0) << length;
        EXPECT_FALSE(Exists(In("long"))) << length;
    }
}

TEST(PayloadCatalogue, ImeModuleBuildFollowsOsClassOtherRowsFixed) {
    const struct { int osClass; unsigned module; } cases[] = {
        {0, 210}, {1, 210}, {30, 210}, {41, 210}, {60, 210}, {61, 230}, {81, 230}, {101, 230}, {10000, 230}};
    for (const auto& c : cases) {
        EXPECT_EQ(PayloadResourceNumber(0, c.osClass), c.module) << c.osClass;
        for (int row = 1; row < PAYLOAD_FILE_COUNT; ++row)
            EXPECT_EQ(PayloadResourceNumber(row, c.osClass), 210u + row) << row;
    }
    EXPECT_EQ(DriverResourceNumber(0), 250u);
}

TEST(PayloadCatalogue, EveryRowHasItsResource) {
    for (int osClass : {41, 61})
        for (int row = 0; row < PAYLOAD_FILE_COUNT; ++row)
            EXPECT_FALSE(ResourceBytes(PayloadResourceNumber(row, osClass)).empty()) << row;
    for (int row = 0; row < DRIVER_FILE_COUNT; ++row)
        EXPECT_FALSE(ResourceBytes(DriverResourceNumber(row)).empty()) << row;
}
// On a file system of 256 KB (run-in-prefix.sh SMALL_DISK), a payload file that does not fit
// is written only in part: that must be reported as a failure, a file that fits as success.
TEST(PayloadWriteSmallDisk, ShortWriteIsAFailure) {
    const char* name = std::getenv("SMALL_DISK");
    if (!name) GTEST_SKIP() << "needs the small file system of run-in-prefix.sh";
    std::string folder = std::string("C:\\") + name + "\\";
    ASSERT_GT(ResourceBytes(IDR_IME_MODULE_9X).size(), 256u * 1024);
    EXPECT_EQ(WriteResourceToFile((folder + "Vsock28.vxd").c_str(), IDR_DRIVER_BASE), 1);
    EXPECT_TRUE(FileBytes(folder + "Vsock28.vxd") == ResourceBytes(IDR_DRIVER_BASE));
    EXPECT_EQ(WriteResourceToFile((folder + "ZkV4Ivi.ime").c_str(), IDR_IME_MODULE_9X), 0);
}
}  // namespace
