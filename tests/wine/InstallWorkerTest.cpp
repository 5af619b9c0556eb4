// The install and repair workers on a thread of their own, driving a real progress bar and
// reporting to a stand-in frame, against Wine's files, registry and input-method manager.
#include "FileHolder.h"
#include "LayoutRegistry.h"
#include "ProductFiles.h"
#include "RegistryFixture.h"
#include "WorkerFixture.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "engine/Workers.h"
#include "registry/ProductRecord.h"
#include <imm.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
typedef std::vector<std::pair<WPARAM, LPARAM>> Commands;
const char kOldHandle[] = "E0F00409";  // layout of an earlier installation

std::vector<ProgressMessage> CompleteInstall() {
    return ProgressScript().Range(130).SetPos(10).AdvanceTo(110).SetPos(130).messages;
}

std::vector<ProgressMessage> CompleteRepair() {
    return ProgressScript().Range(110).SetPos(10).AdvanceTo(100).SetPos(110).messages;
}

// The handle text of the record without its terminator, after checking how it is stored:
// "%X" text followed by exactly one NUL. (Wine's RegSetValueExA adds a missing terminator
// itself, so there only surplus bytes show.)
std::string CheckedHandleText() {
    std::optional<std::string> stored = WorkerFixture::StoredHandle();
    if (!stored) {
        ADD_FAILURE() << "no ImeHKL text";
        return "";
    }
    EXPECT_EQ(stored->find('\0'), stored->size() - 1) << "ImeHKL must be the text and one NUL";
    std::string text = stored->substr(0, stored->find('\0'));
    char formatted[9];
    unsigned long value = std::strtoul(text.c_str(), NULL, 16);
    std::snprintf(formatted, sizeof(formatted), "%X", static_cast<unsigned>(value));
    EXPECT_EQ(text, formatted) << "ImeHKL is not upper-case hexadecimal without leading zeros";
    return text;
}

// Stands in for the files of an earlier installation.
void WriteOldPayload() {
    testfiles::CreateImeFolder();
    for (int row = 0; row < testfiles::kPayloadRows; ++row) testfiles::WriteAll(testfiles::RowPath(row), "old");
}

std::vector<std::string> CurrentLayouts() {
    return testreg::SubkeyNames(HKEY_LOCAL_MACHINE, testlayout::LayoutsKey("CurrentControlSet"));
}

void ExpectRowsInstalled(int rows, int osClass) {
    for (int row = 0; row < rows; ++row)
        EXPECT_EQ(testfiles::ReadAll(testfiles::RowPath(row)),
                  testfiles::ResourceBytes(testfiles::RowResource(row, osClass)))
            << testfiles::RowName(row);
}

class InstallWorkerTest : public WorkerFixture {};

class CompleteInstallFor : public WorkerFixture, public ::testing::WithParamInterface<int> {};

TEST_P(CompleteInstallFor, WritesEverythingAndEndsOnTheFinishPage) {
    SetupGlobals.osClass = GetParam();
    WorkerRun run = m_windows.Run(InstallWorker);

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.progress, CompleteInstall());
    EXPECT_TRUE(run.allProgressSent);
    EXPECT_EQ(run.finalPosition, 130);
    EXPECT_EQ(run.commands, (Commands{{3, 1}}));
    EXPECT_EQ(run.closeRequests, 0);
    EXPECT_TRUE(run.boxes.empty());

    ExpectRowsInstalled(testfiles::kPayloadRows, GetParam());
    EXPECT_FALSE(testfiles::IsFile(testfiles::RowPath(7))) << "the driver is start-up's business";
    std::string text = CheckedHandleText();
    EXPECT_EQ(testlayout::LayoutText(text), testtext::kImeName) << "ImeHKL does not name the new layout";
    EXPECT_STREQ(SetupGlobals.imeHklText, text.c_str());
    EXPECT_EQ(StoredVersion(), std::optional<DWORD>(21100));
    EXPECT_TRUE(testfiles::IsFile(EnglishShortcut()));
}

INSTANTIATE_TEST_SUITE_P(Releases, CompleteInstallFor, ::testing::Values(OS_WINXP, OS_NT4),
    [](const ::testing::TestParamInfo<int>& info) {
        return std::string(info.param == OS_NT4 ? "Nt4GetsThe9xModule" : "XpGetsTheNt5Module");
    });

TEST_F(InstallWorkerTest, NewerRecordedVersionBecomesThisOne) {
    testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", 21101);
    ASSERT_TRUE(m_windows.Run(InstallWorker).ended);
    EXPECT_EQ(StoredVersion(), std::optional<DWORD>(21100));
}

TEST_F(InstallWorkerTest, StartMenuFailureStillEndsOnTheFinishPage) {
    testfiles::WriteAll(MakerStartMenuFolder(), "a file where the maker's folder belongs");
    WorkerRun run = m_windows.Run(InstallWorker);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.progress, CompleteInstall());
    EXPECT_EQ(run.commands, (Commands{{3, 1}}));
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_FALSE(testfiles::IsFile(EnglishShortcut()));
    DeleteFileA(MakerStartMenuFolder().c_str());
}

// Wine hands out the first free layout number. If the recorded layout holds that number
// and is purged before the new one is registered, the new layout gets the same number.
TEST_F(InstallWorkerTest, EarlierLayoutIsPurgedBeforeTheNewOneIsRegistered) {
    HKL first = ImmInstallIMEA((testfiles::SystemDir() + "\\ZkV4Ivi.ime").c_str(), "probe");
    ASSERT_NE(first, HKL(0));
    char earlier[9];
    std::snprintf(earlier, sizeof(earlier), "%X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(first)));
    testlayout::ResetLayouts();
    RecordEarlierLayout(earlier);

    ASSERT_TRUE(m_windows.Run(InstallWorker).ended);

    EXPECT_EQ(CheckedHandleText(), earlier) << "the new layout was registered before the old one was purged";
    EXPECT_EQ(testlayout::LayoutText(earlier), testtext::kImeName);
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, testlayout::LayoutKey("ControlSet001", earlier)));
    EXPECT_EQ(testlayout::Preload().size(), 1u) << "the earlier preload entry stays";
}

TEST_F(InstallWorkerTest, RepairRewritesFilesAndHandleButNotTheVersion) {
    WriteOldPayload();
    RecordEarlierLayout(kOldHandle);
    // Maintenance mode needs 21100; another number shows that repair does not write it.
    testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", 12345);
    std::strcpy(SetupGlobals.imeHklText, "KEPT");

    WorkerRun run = m_windows.Run(RepairWorker);

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.progress, CompleteRepair());
    EXPECT_EQ(run.finalPosition, 110);
    EXPECT_EQ(run.commands, (Commands{{3, 4}}));
    EXPECT_EQ(run.closeRequests, 0);
    EXPECT_TRUE(run.boxes.empty());
    ExpectRowsInstalled(testfiles::kPayloadRows, OS_WINXP);
    std::string text = CheckedHandleText();
    EXPECT_NE(text, kOldHandle);
    EXPECT_EQ(testlayout::LayoutText(text), testtext::kImeName);
    for (const char* controlSet : {"ControlSet001", "CurrentControlSet"})
        EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, kOldHandle)));
    EXPECT_EQ(StoredVersion(), std::optional<DWORD>(12345));
    EXPECT_STREQ(SetupGlobals.imeHklText, "KEPT");
    EXPECT_TRUE(testfiles::IsFile(EnglishShortcut()));
}

enum Obstacle { MODULE_IN_USE, PHRASES_IN_USE, PHRASES_IS_DIRECTORY, LAYOUT_REFUSED };

struct FailureCase {
    const char* name;
    bool repair;
    Obstacle obstacle;
    int barAt;
    const char* message;
    int rowsWritten;  // leading rows written before the failure
};

class InstallFailure : public WorkerFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(InstallFailure, ShowsTheErrorAndClosesWithoutAsking) {
    const FailureCase& c = GetParam();
    const int phrases = 3;  // "PhrChs.dat"
    if (c.obstacle == LAYOUT_REFUSED) {
        // Wine's input-method manager cannot add persistent keys below a volatile list.
        HKEY list;
        std::string listKey = testlayout::LayoutsKey("CurrentControlSet");
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, listKey.c_str(), 0, NULL, REG_OPTION_VOLATILE,
                                  KEY_ALL_ACCESS, NULL, &list, NULL), ERROR_SUCCESS);
        HKEY old;
        if (c.repair && RegCreateKeyExA(list, kOldHandle, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL,
                                        &old, NULL) == ERROR_SUCCESS)
            RegCloseKey(old);
        RegCloseKey(list);
    }
    testfiles::CreateImeFolder();
    if (c.repair) {
        WriteOldPayload();
        RecordEarlierLayout(kOldHandle);
        testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", 21100);
    }
    if (c.obstacle == MODULE_IN_USE) testfiles::WriteAll(testfiles::RowPath(0), "old");
    if (c.obstacle == PHRASES_IN_USE) testfiles::WriteAll(testfiles::RowPath(phrases), "old");
    if (c.obstacle == PHRASES_IS_DIRECTORY) {
        testfiles::RemoveTree(testfiles::RowPath(phrases));
        CreateDirectoryA(testfiles::RowPath(phrases).c_str(), NULL);
    }
    std::vector<std::optional<std::string>> filesBefore;
    for (int row = 0; row < testfiles::kPayloadRows; ++row)
        filesBefore.push_back(testfiles::ReadAll(testfiles::RowPath(row)));
    std::optional<std::string> handleBefore = StoredHandle();
    std::optional<DWORD> versionBefore = StoredVersion();
    std::vector<std::string> layoutsBefore = CurrentLayouts();
    std::vector<testlayout::PreloadValue> preloadBefore = testlayout::Preload();

    WorkerRun run;
    {
        std::unique_ptr<FileHolder> holder;
        if (c.obstacle == MODULE_IN_USE || c.obstacle == PHRASES_IN_USE) {
            holder.reset(new FileHolder(testfiles::RowPath(c.obstacle == MODULE_IN_USE ? 0 : phrases)));
            ASSERT_TRUE(holder->holding());
        }
        run = m_windows.Run(c.repair ? RepairWorker : InstallWorker);
    }

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    int range = c.repair ? 110 : 130;
    EXPECT_EQ(run.progress, ProgressScript().Range(range).SetPos(10).AdvanceTo(c.barAt).messages);
    EXPECT_EQ(run.finalPosition, c.barAt);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, c.message);
    EXPECT_EQ(run.boxes[0].caption, testtext::kTitle);
    EXPECT_EQ(run.boxes[0].owner, m_windows.frame()) << "the box belongs to the progress bar's window";
    EXPECT_EQ(run.closeRequests, 1);
    EXPECT_FALSE(run.closeConfirmAtClose) << "the frame would ask before closing";
    EXPECT_TRUE(run.commands.empty());

    ExpectRowsInstalled(c.rowsWritten, OS_WINXP);
    for (int row = c.rowsWritten; row < testfiles::kPayloadRows; ++row)
        EXPECT_EQ(testfiles::ReadAll(testfiles::RowPath(row)), filesBefore[row]) << testfiles::RowName(row);
    if (c.obstacle == PHRASES_IS_DIRECTORY) {
        EXPECT_TRUE(testfiles::IsDirectory(testfiles::RowPath(phrases)));
    }
    EXPECT_EQ(StoredHandle(), handleBefore);
    EXPECT_EQ(StoredVersion(), versionBefore);
    if (c.obstacle == LAYOUT_REFUSED) {
        // The earlier layout was purged just before the registration failed.
        EXPECT_TRUE(CurrentLayouts().empty());
    } else {
        EXPECT_EQ(CurrentLayouts(), layoutsBefore);
        EXPECT_EQ(testlayout::Preload(), preloadBefore);
    }
    EXPECT_FALSE(testfiles::IsDirectory(MakerStartMenuFolder()));
}

INSTANTIATE_TEST_SUITE_P(Obstacles, InstallFailure, ::testing::Values(
    FailureCase{"ModuleInUse", false, MODULE_IN_USE, 10, testtext::kFileError, 0},
    FailureCase{"RepairWithModuleInUse", true, MODULE_IN_USE, 10, testtext::kFileError, 0},
    FailureCase{"PhraseFileInUse", false, PHRASES_IN_USE, 40, testtext::kFileError, 3},
    FailureCase{"PhraseFileIsADirectory", false, PHRASES_IS_DIRECTORY, 40, testtext::kFileError, 3},
    FailureCase{"LayoutRefused", false, LAYOUT_REFUSED, 80, testtext::kImeError, 7},
    FailureCase{"RepairWithLayoutRefused", true, LAYOUT_REFUSED, 80, testtext::kImeError, 7}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A stale or damaged record can name another product's layout: no operation may cost that
// product its layout keys or its preload entry.
struct ForeignLayoutCase {
    const char* name;
    WorkerProc worker;
};

class AnotherProductsLayout : public WorkerFixture, public ::testing::WithParamInterface<ForeignLayoutCase> {};

TEST_P(AnotherProductsLayout, IsLeftAlone) {
    const char kForeign[] = "E0F00804";
    RecordEarlierLayout(kForeign, "OTHERIME.IME");
    testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", 21100);
    std::vector<testlayout::PreloadValue> preload = testlayout::Preload();

    ASSERT_TRUE(m_windows.Run(GetParam().worker).ended);

    for (const char* controlSet : {"ControlSet001", "CurrentControlSet"}) {
        std::optional<std::string> file =
            testreg::GetRaw(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, kForeign), "Ime File");
        ASSERT_TRUE(file.has_value()) << controlSet;
        EXPECT_STREQ(file->c_str(), "OTHERIME.IME") << controlSet;
    }
    EXPECT_EQ(testlayout::Preload(), preload);
}

INSTANTIATE_TEST_SUITE_P(Operations, AnotherProductsLayout, ::testing::Values(
    ForeignLayoutCase{"Install", InstallWorker}, ForeignLayoutCase{"Repair", RepairWorker},
    ForeignLayoutCase{"Uninstall", UninstallWorker}),
    [](const ::testing::TestParamInfo<ForeignLayoutCase>& info) { return std::string(info.param.name); });
}  // namespace
