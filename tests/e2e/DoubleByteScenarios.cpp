// Folder and file names of double-byte characters whose second byte is the backslash (許 B3 5C
// in code page 950): a user's profile with the Programs folder below it, where install, repair
// and uninstall must create and remove exactly the product's Start-menu folders (a path cut
// inside such a character creates a stray folder beside the profile); and Setup.exe renamed
// and started from such a folder, which must still find its texts and its own name.
#include "driver/Check.h"
#include "driver/Flows.h"
#include <set>

using namespace e2e;

namespace {
// A name given as hexadecimal bytes of the locale's code page.
std::wstring FromCodePage(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    wchar_t wide[MAX_PATH] = {0};
    REQUIRE(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.c_str(), -1, wide, MAX_PATH) > 1);
    return wide;
}

std::wstring UsersFolder() { return SystemDir().substr(0, 3) + L"users"; }

using Folders = std::set<std::wstring>;

void AddFolders(const std::wstring& path, Folders& into, bool deep) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        into.insert(path + L"\\" + name);
        if (deep) AddFolders(path + L"\\" + name, into, true);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The folders beside the profile and every folder below it.
Folders FoldersAround(const std::wstring& profile) {
    Folders folders;
    AddFolders(profile.substr(0, profile.find_last_of(L'\\')), folders, false);
    AddFolders(profile, folders, true);
    return folders;
}

// What `now` has that `before` has not, and the other way round, as "+path" and "-path".
std::wstring Difference(const Folders& before, const Folders& now) {
    std::wstring lines;
    for (const std::wstring& f : now)
        if (!before.count(f)) lines += L"\n  +" + f;
    for (const std::wstring& f : before)
        if (!now.count(f)) lines += L"\n  -" + f;
    return lines;
}

void CheckFolders(const char* step, const Folders& before, const Folders& expectedNew,
                  const std::wstring& profile) {
    Folders expected = before;
    expected.insert(expectedNew.begin(), expectedNew.end());
    Folders now = FoldersAround(profile);
    std::wstring changes = Difference(before, now);
    Note(std::string(step) + ": folders beside and below the profile, against the start:" +
         (changes.empty() ? std::string(" none") : Utf8(changes)));
    CHECK_MSG(now == expected, step << " changed other folders than the product's:" << Difference(expected, now));
}
}  // namespace

// Args: release, the profile folder's name as hexadecimal bytes of the locale's code page.
SCENARIO(double_byte_profile) {
    REQUIRE(args.size() == 2);
    const Release& release = FindRelease(args[0]);
    REQUIRE(!release.commonPrograms);
    std::wstring profile = UsersFolder() + L"\\" + FromCodePage(args[1]);
    std::wstring programs = profile + L"\\Programs";
    REQUIRE(CreateDirectoryW(profile.c_str(), NULL) && CreateDirectoryW(programs.c_str(), NULL));
    MoveProgramsFolder(programs);
    REQUIRE(ProgramsFolder(false) == programs);
    Note("profile " + Utf8(profile) + " (" + args[1] + " in code page " + std::to_string(GetACP()) + ")");

    Folders before = FoldersAround(profile);
    std::wstring maker = machine::MakerMenuFolder(false);
    const Folders product = {maker, ProductMenuFolder(CurrentLang(), false)};

    InstallOnce(release.name);
    CheckInstalled(release);
    CheckFolders("install", before, product, profile);

    {
        Wizard wizard(release.name);
        RepairThroughWizard(wizard);
    }
    CheckInstalled(release);
    CheckFolders("repair", before, product, profile);

    std::wstring layout = RecordedLayout();
    UninstallOnce(release.name);
    CheckRemoved(release, layout);
    CheckFolders("uninstall", before, {maker}, profile);
}

// Args: the program's name as hexadecimal bytes of the locale's code page. Setup.exe copied as
// <profile>\bin\<name>.exe cannot write the driver: its start-up box is captioned with the
// program's name and shows the language's text, read beside the program (started in C:\),
// then from the current folder <profile> when none lies beside it.
SCENARIO(double_byte_program) {
    REQUIRE(args.size() == 1);
    std::wstring name = FromCodePage(args[0]);
    std::wstring profile = UsersFolder() + L"\\" + name, folder = profile + L"\\bin";
    std::wstring exe = folder + L"\\" + name + L".exe";
    REQUIRE(CreateDirectoryW(profile.c_str(), NULL) && CreateDirectoryW(folder.c_str(), NULL));
    REQUIRE(CopyFileW((ProductDir() + L"\\Setup.exe").c_str(), exe.c_str(), FALSE));
    static const wchar_t* const files[] = {L"\\0804.lng", L"\\0404.lng", L"\\0409.lng"};
    std::wstring file = files[static_cast<int>(CurrentLang())];
    REQUIRE(CreateDirectoryW(DriverPath().c_str(), NULL));
    const struct { std::wstring textsIn, current; } starts[] = {{folder, L"C:\\"}, {profile, profile}};
    for (const auto& start : starts) {
        Note("texts in " + Utf8(start.textsIn) + ", current folder " + Utf8(start.current));
        REQUIRE(CopyFileW((ProductDir() + file).c_str(), (start.textsIn + file).c_str(), FALSE));
        Wizard wizard("win98", exe, start.current);
        Box box = wizard.WaitBox(kStartTimeout);
        CHECK_EQ(box.caption, name);
        CHECK_EQ(box.text, LangText("MSG", "6"));
        wizard.Answer(box, IDOK);
        CHECK_MSG(wizard.WaitExit(), "Setup.exe still runs after OK");
        REQUIRE(DeleteFileW((start.textsIn + file).c_str()));
    }
    RemoveDirectoryW(DriverPath().c_str());
}
