// The uninstall worker on a thread of its own, driving a real progress bar and reporting to
// a stand-in frame, against what an installation leaves in Wine's files and registry.
#include "FileHolder.h"
#include "LayoutRegistry.h"
#include "ProductFiles.h"
#include "RegistryFixture.h"
#include "WorkerFixture.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "engine/Workers.h"
#include "registry/ProductRecord.h"
#include "system/ImeLayout.h"
#include <cstdio>
#include <memory>

namespace {
typedef std::vector<std::pair<WPARAM, LPARAM>> Commands;

class UninstallWorkerTest : public WorkerFixture {
protected:
    // What a complete installation leaves: the eight files, the layout registered through the
    // input-method manager (and listed as Windows lists it), the record in both hives and
    // the Start-menu entries. Returns the layout's handle text.
    std::string Installed() {
        testfiles::InstallAllRows(OS_WINXP);
        char text[9];
        std::snprintf(text, sizeof(text), "%X", static_cast<unsigned>(InstallImeLayout()));
        RecordEarlierLayout(text);
        testreg::SetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version", 21100);
        testreg::SetDword(HKEY_CURRENT_USER, PRODUCT_KEY, "Settings", 1);
        EXPECT_EQ(CreateShortcutOnFreshThread(), 1);
        return text;
    }

    void ExpectLayoutListed(const std::string& text, bool listed) {
        for (const char* controlSet : {"ControlSet001", "CurrentControlSet"})
            EXPECT_EQ(testreg::KeyExists(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, text)), listed)
                << controlSet;
        EXPECT_EQ(testlayout::Preload().size(), listed ? 2u : 1u);
    }

    void ExpectRecorded(bool recorded) {
        EXPECT_EQ(testreg::KeyExists(HKEY_LOCAL_MACHINE, PRODUCT_KEY), recorded);
        EXPECT_EQ(testreg::KeyExists(HKEY_CURRENT_USER, PRODUCT_KEY), recorded);
        if (recorded) {
            EXPECT_EQ(StoredVersion(), std::optional<DWORD>(21100));
        }
        EXPECT_TRUE(testreg::KeyExists(HKEY_LOCAL_MACHINE, MAKER_KEY)) << "the maker's key stays";
    }

    void ExpectCompleteRun(const WorkerRun& run) {
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.exitCode, 1u);
        EXPECT_EQ(run.progress, ProgressScript().Range(110).AdvanceTo(100).SetPos(110).messages);
        EXPECT_TRUE(run.allProgressSent);
        EXPECT_EQ(run.finalPosition, 110);
        EXPECT_EQ(run.commands, (Commands{{3, 5}}));
        EXPECT_EQ(run.closeRequests, 0);
        EXPECT_TRUE(run.boxes.empty());
    }
};

TEST_F(UninstallWorkerTest, RemovesEverythingButTheMakersFolders) {
    std::string text = Installed();
    WorkerRun run = m_windows.Run(UninstallWorker);

    ExpectCompleteRun(run);
    for (int row = 0; row < testfiles::kAllRows; ++row)
        EXPECT_FALSE(testfiles::IsFile(testfiles::RowPath(row))) << testfiles::RowName(row);
    EXPECT_FALSE(testfiles::IsDirectory(testfiles::ImeFolder()));
    EXPECT_TRUE(testfiles::IsDirectory(testfiles::MakerImeFolder()));
    ExpectLayoutListed(text, false);
    ExpectRecorded(false);
    EXPECT_FALSE(testfiles::IsFile(EnglishShortcut()));
    EXPECT_FALSE(testfiles::IsDirectory(EnglishStartMenuFolder()));
    EXPECT_TRUE(testfiles::IsDirectory(MakerStartMenuFolder()));
}

TEST_F(UninstallWorkerTest, FilesAlreadyGoneCountAsDeleted) {
    std::string text = Installed();
    for (int row = 0; row < testfiles::kAllRows; ++row) DeleteFileA(testfiles::RowPath(row).c_str());

    ExpectCompleteRun(m_windows.Run(UninstallWorker));
    EXPECT_FALSE(testfiles::IsDirectory(testfiles::ImeFolder()));
    ExpectLayoutListed(text, false);
    ExpectRecorded(false);
}

TEST_F(UninstallWorkerTest, ForeignFileKeepsTheImeFolder) {
    std::string text = Installed();
    testfiles::WriteAll(testfiles::ImeFolder() + "\\User.dic", "mine");

    ExpectCompleteRun(m_windows.Run(UninstallWorker));
    EXPECT_TRUE(testfiles::IsFile(testfiles::ImeFolder() + "\\User.dic"));
    for (int row = 0; row < testfiles::kAllRows; ++row)
        EXPECT_FALSE(testfiles::IsFile(testfiles::RowPath(row))) << testfiles::RowName(row);
    ExpectLayoutListed(text, false);
    ExpectRecorded(false);
    EXPECT_FALSE(testfiles::IsFile(EnglishShortcut()));
}

enum Obstacle { MODULE_IN_USE, HELP_IS_DIRECTORY, QUERY_READ_ONLY, DRIVER_IN_USE };

struct FailureCase {
    const char* name;
    Obstacle obstacle;
    int barAt;
    int rowsDeleted;  // leading rows deleted before the failure
};

class UninstallFailure : public UninstallWorkerTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UninstallFailure, StopsAtTheFileAndLeavesTheRest) {
    const FailureCase& c = GetParam();
    std::string text = Installed();
    if (c.obstacle == HELP_IS_DIRECTORY) {
        DeleteFileA(testfiles::RowPath(1).c_str());
        CreateDirectoryA(testfiles::RowPath(1).c_str(), NULL);
    }
    if (c.obstacle == QUERY_READ_ONLY)
        SetFileAttributesA(testfiles::RowPath(2).c_str(), FILE_ATTRIBUTE_READONLY);

    WorkerRun run;
    {
        std::unique_ptr<FileHolder> holder;
        if (c.obstacle == MODULE_IN_USE || c.obstacle == DRIVER_IN_USE) {
            holder.reset(new FileHolder(testfiles::RowPath(c.obstacle == MODULE_IN_USE ? 0 : 7)));
            ASSERT_TRUE(holder->holding());
        }
        run = m_windows.Run(UninstallWorker);
    }

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.progress, ProgressScript().Range(110).AdvanceTo(c.barAt).messages);
    EXPECT_EQ(run.finalPosition, c.barAt);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, testtext::kFileError);
    EXPECT_EQ(run.boxes[0].caption, testtext::kTitle);
    EXPECT_EQ(run.boxes[0].owner, m_windows.frame());
    EXPECT_EQ(run.closeRequests, 1);
    EXPECT_FALSE(run.closeConfirmAtClose) << "the frame would ask before closing";
    EXPECT_TRUE(run.commands.empty());

    for (int row = 0; row < testfiles::kAllRows; ++row) {
        DWORD attributes = GetFileAttributesA(testfiles::RowPath(row).c_str());
        EXPECT_EQ(attributes != INVALID_FILE_ATTRIBUTES, row >= c.rowsDeleted) << testfiles::RowName(row);
    }
    ExpectLayoutListed(text, true);
    ExpectRecorded(true);
    EXPECT_TRUE(testfiles::IsFile(EnglishShortcut()));
}

INSTANTIATE_TEST_SUITE_P(Obstacles, UninstallFailure, ::testing::Values(
    FailureCase{"ModuleInUse", MODULE_IN_USE, 0, 0},
    FailureCase{"HelpFileIsADirectory", HELP_IS_DIRECTORY, 10, 1},
    FailureCase{"QueryFileReadOnly", QUERY_READ_ONLY, 20, 2},
    FailureCase{"DriverInUse", DRIVER_IN_USE, 70, 7}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });
}  // namespace
