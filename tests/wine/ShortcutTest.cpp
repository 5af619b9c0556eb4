// The product's Start-menu folder and its help shortcut, written through Wine's shell-link
// object and read back through it.
//
// The names are stored in the code page of their language and handed unchanged to the ANSI
// functions, so on a Windows of that language the user sees the Chinese names. The test
// encodes the Chinese names itself and looks for exactly those bytes through the ANSI
// functions, in whatever ANSI code page the test runs (on Wine without a Chinese host locale
// that is 1252, where the same bytes read as Latin letters; a Chinese code page cannot be
// forced there, because Wine then fails to make non-ASCII file names on the host side).
#include "Machine.h"
#include "ProductFiles.h"
#include "StartMenu.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "system/Shortcut.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {
struct LanguageNames {
    const wchar_t* folder;
    const wchar_t* link;
    UINT codePage;
};
const LanguageNames kNames[3] = {
    {L"\\Quorvel\\智能Zk输入法2006专业版\\", L"帮助文件.lnk", 936},
    {L"\\Quorvel\\智能Zk輸入法2006專業版\\", L"幫助檔.lnk", 950},
    {L"\\Quorvel\\Zk IME 2006 Professional Edition\\", L"Help.lnk", 20127}};

std::string Encode(const wchar_t* text, UINT codePage) {
    char bytes[MAX_PATH * 2] = {0};
    WideCharToMultiByte(codePage, 0, text, -1, bytes, sizeof(bytes), NULL, NULL);
    return bytes;
}

std::wstring Wide(const std::string& ansi) {
    wchar_t wide[MAX_PATH + 1] = {0};
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, MAX_PATH + 1);
    return wide;
}

int ProgramsCsidl(int osClass) { return osClass < OS_NT_NEWER ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS; }

std::string Programs(int osClass) { return teststartmenu::ProgramsFolder(ProgramsCsidl(osClass)); }

std::string MakerFolder(int osClass) { return Programs(osClass) + "\\Quorvel"; }

// Product folder of a language, with its trailing backslash.
std::string ProductFolder(int lang, int osClass) {
    return Programs(osClass) + Encode(kNames[lang].folder, kNames[lang].codePage);
}

std::string LinkPath(int lang, int osClass) {
    return ProductFolder(lang, osClass) + Encode(kNames[lang].link, kNames[lang].codePage);
}

int CreateOnFreshThread(int lang, int osClass) {
    SetupGlobals.langIndex = lang;
    SetupGlobals.osClass = osClass;
    int result = -1;
    teststartmenu::RunOnFreshThread([&] { result = CreateProgramShortcut(); });
    return result;
}

int RemoveFor(int lang, int osClass) {
    SetupGlobals.langIndex = lang;
    SetupGlobals.osClass = osClass;
    return RemoveProgramShortcut();
}

struct LinkContents {
    HRESULT loaded = E_FAIL;
    std::string target, workingDirectory;
};

LinkContents ReadLink(const std::string& path) {
    LinkContents contents;
    teststartmenu::RunOnFreshThread([&] {
        CoInitialize(NULL);
        IShellLinkA* link = NULL;
        IPersistFile* file = NULL;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            contents.loaded = file->Load(Wide(path).c_str(), STGM_READ);
            char buffer[MAX_PATH + 1] = {0};
            WIN32_FIND_DATAA found;
            if (link->GetPath(buffer, MAX_PATH, &found, 0) == S_OK) contents.target = buffer;
            buffer[0] = '\0';
            if (link->GetWorkingDirectory(buffer, MAX_PATH) == S_OK) contents.workingDirectory = buffer;
        }
        if (file) file->Release();
        if (link) link->Release();
        CoUninitialize();
    });
    return contents;
}

class Shortcut : public ::testing::Test {
protected:
    void SetUp() override {
        machine::RemoveProductTraces();
        // The help file is in place when the workers create the shortcut.
        testfiles::CreateImeFolder();
        testfiles::WriteAll(testfiles::RowPath(1), testfiles::ResourceBytes(211));
    }
    void TearDown() override { machine::RemoveProductTraces(); }
};

class CreateForLanguage : public Shortcut, public ::testing::WithParamInterface<int> {};

TEST_P(CreateForLanguage, LinksTheHelpFileFromTheUsersProgramsFolder) {
    int lang = GetParam();
    ASSERT_EQ(CreateOnFreshThread(lang, OS_WINXP), 1);

    std::string link = LinkPath(lang, OS_WINXP);
    EXPECT_TRUE(testfiles::IsFile(link)) << "no shortcut at the language's code-page bytes";
    // The folder lists the shortcut under exactly those bytes, and nothing else.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((ProductFolder(lang, OS_WINXP) + "*.lnk").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::string(found.cFileName), Encode(kNames[lang].link, kNames[lang].codePage));
    EXPECT_FALSE(FindNextFileA(search, &found));
    FindClose(search);
    LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.loaded, S_OK);
    EXPECT_EQ(contents.target, testfiles::ImeFolder() + "\\Help.chm");
    // The shell link keeps the working folder as it was given, trailing backslash included.
    EXPECT_EQ(contents.workingDirectory, testfiles::ImeFolder() + "\\");
    EXPECT_FALSE(testfiles::IsDirectory(MakerFolder(OS_NT_NEWER)));
}

const char* const kLanguageNames[3] = {"SimplifiedChinese", "TraditionalChinese", "English"};

INSTANTIATE_TEST_SUITE_P(Languages, CreateForLanguage, ::testing::Values(0, 1, 2),
    [](const ::testing::TestParamInfo<int>& info) { return std::string(kLanguageNames[info.param]); });

TEST_F(Shortcut, NewerReleaseUsesTheAllUsersProgramsFolder) {
    ASSERT_EQ(CreateOnFreshThread(2, OS_NT_NEWER), 1);
    EXPECT_TRUE(testfiles::IsFile(LinkPath(2, OS_NT_NEWER)));
    EXPECT_EQ(ReadLink(LinkPath(2, OS_NT_NEWER)).target, testfiles::ImeFolder() + "\\Help.chm");
    EXPECT_FALSE(testfiles::IsDirectory(MakerFolder(OS_WINXP)));
}

TEST_F(Shortcut, UnknownReleaseCreatesNothing) {
    EXPECT_EQ(CreateOnFreshThread(2, OS_UNKNOWN), 0);
    EXPECT_FALSE(testfiles::IsDirectory(MakerFolder(OS_WINXP)));
    EXPECT_FALSE(testfiles::IsDirectory(MakerFolder(OS_NT_NEWER)));
}

TEST_F(Shortcut, RepairReplacesAnExistingShortcut) {
    CreateDirectoryA(MakerFolder(OS_WINXP).c_str(), NULL);
    CreateDirectoryA(ProductFolder(2, OS_WINXP).c_str(), NULL);
    testfiles::WriteAll(LinkPath(2, OS_WINXP), "not a shortcut");

    ASSERT_EQ(CreateOnFreshThread(2, OS_WINXP), 1);
    EXPECT_EQ(ReadLink(LinkPath(2, OS_WINXP)).target, testfiles::ImeFolder() + "\\Help.chm");
}

// A thread whose COM library is already initialised is not the shortcut code's to manage.
class ComAlreadyInitialised : public Shortcut, public ::testing::WithParamInterface<DWORD> {};

TEST_P(ComAlreadyInitialised, CreatesNothing) {
    SetupGlobals.langIndex = 2;
    SetupGlobals.osClass = OS_WINXP;
    int result = -1;
    teststartmenu::RunOnFreshThread([&] {
        CoInitializeEx(NULL, GetParam());
        result = CreateProgramShortcut();
        CoUninitialize();
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(testfiles::IsDirectory(MakerFolder(OS_WINXP)));
}

INSTANTIATE_TEST_SUITE_P(Apartments, ComAlreadyInitialised,
    ::testing::Values(COINIT_APARTMENTTHREADED, COINIT_MULTITHREADED));

enum Tweak { AS_CREATED, LINK_DELETED_BY_HAND, FOREIGN_FILE_ADDED };

struct RemoveCase {
    const char* name;
    int createLang, createOs;
    Tweak tweak;
    int removeLang, removeOs;
    int result;
    bool linkRemains, folderRemains;
};

class RemoveShortcut : public Shortcut, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveShortcut, DeletesTheShortcutAndItsEmptyFolder) {
    const RemoveCase& c = GetParam();
    ASSERT_EQ(CreateOnFreshThread(c.createLang, c.createOs), 1);
    std::string folder = ProductFolder(c.createLang, c.createOs), link = LinkPath(c.createLang, c.createOs);
    if (c.tweak == LINK_DELETED_BY_HAND) {
        ASSERT_TRUE(DeleteFileA(link.c_str()));
    }
    if (c.tweak == FOREIGN_FILE_ADDED) testfiles::WriteAll(folder + "notes.txt", "mine");

    EXPECT_EQ(RemoveFor(c.removeLang, c.removeOs), c.result);
    EXPECT_EQ(testfiles::IsFile(link), c.linkRemains);
    EXPECT_EQ(testfiles::IsDirectory(folder), c.folderRemains);
    EXPECT_TRUE(testfiles::IsDirectory(MakerFolder(c.createOs))) << "the maker's folder is never removed";
    if (c.tweak == FOREIGN_FILE_ADDED) {
        EXPECT_TRUE(testfiles::IsFile(folder + "notes.txt"));
    }
}

INSTANTIATE_TEST_SUITE_P(Installs, RemoveShortcut, ::testing::Values(
    RemoveCase{"English", 2, OS_WINXP, AS_CREATED, 2, OS_WINXP, 1, false, false},
    RemoveCase{"SimplifiedChinese", 0, OS_WINXP, AS_CREATED, 0, OS_WINXP, 1, false, false},
    RemoveCase{"AllUsers", 2, OS_NT_NEWER, AS_CREATED, 2, OS_NT_NEWER, 1, false, false},
    RemoveCase{"OtherLanguageThanInstalled", 0, OS_WINXP, AS_CREATED, 2, OS_WINXP, 0, true, true},
    RemoveCase{"OtherProgramsFolderThanInstalled", 2, OS_WINXP, AS_CREATED, 2, OS_NT_NEWER, 0, true, true},
    RemoveCase{"UnknownRelease", 2, OS_WINXP, AS_CREATED, 2, OS_UNKNOWN, 0, true, true},
    RemoveCase{"ShortcutDeletedByHand", 2, OS_WINXP, LINK_DELETED_BY_HAND, 2, OS_WINXP, 0, false, true},
    RemoveCase{"ForeignFileKeepsTheFolder", 2, OS_WINXP, FOREIGN_FILE_ADDED, 2, OS_WINXP, 1, false, true}),
    [](const ::testing::TestParamInfo<RemoveCase>& info) { return std::string(info.param.name); });
}  // namespace
