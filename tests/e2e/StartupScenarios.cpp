// What happens before and around the wizard: the check of a damaged download, the
// single-instance guard, the support driver written at start, and the closing question.
#include "driver/Check.h"
#include "driver/Flows.h"

using namespace e2e;

namespace {
// True while no window of the process is visible, until it ends.
bool StaysInvisibleUntilExit(const SetupProcess& process) {
    bool invisible = true;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(process.Id()))
            if (IsShown(window)) invisible = false;
        return !process.Running();
    }, kStepTimeout, 2);
    return invisible && !process.Running();
}

// The start-up box: MSG text `key`, captioned with the program's name, OK alone, no owner and
// no other window; Setup.exe ends after OK.
void ExpectStartupBox(Wizard& wizard, const char* key) {
    Box box = wizard.WaitBox(kStartTimeout);
    CHECK_EQ(box.caption, std::wstring(L"Setup"));
    CHECK_EQ(box.text, LangText("MSG", key));
    CHECK_MSG(box.HasButton(IDOK) && !box.HasButton(IDYES), "the box is not an OK box");
    CHECK_MSG(box.owner == NULL, "the start-up box has an owner");
    for (HWND window : TopLevelWindows(wizard.Process().Id()))
        CHECK_MSG(window == box.window || !IsShown(window), "a window besides the box: " << ClassName(window));
    wizard.Answer(box, IDOK);
    CHECK_MSG(wizard.WaitExit(), "Setup.exe still runs after OK");
}
}  // namespace

// A copy of Setup.exe with one byte flipped in a raw-data resource (prefix-steps.sh makes
// it) is refused at start and writes nothing: no driver on a clean machine, and over an
// installation not one of its files. prefix-steps.sh compares the registry and file tree.
SCENARIO(damaged) {
    REQUIRE(args.size() == 1);
    const Release& release = FindRelease(args[0]);
    bool installed = ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").exists;
    std::vector<std::wstring> paths{DriverPath()};
    for (const InstalledFile& file : InstalledFiles(release.moduleResource)) paths.push_back(file.path);
    std::vector<FILETIME> before;
    for (const std::wstring& path : paths) before.push_back(LastWrite(path));

    Wizard wizard(release.name);
    ExpectStartupBox(wizard, "10");
    for (std::size_t i = 0; i < paths.size(); ++i) {
        FILETIME after = LastWrite(paths[i]);
        CHECK_MSG(CompareFileTime(&before[i], &after) == 0, "written: " << paths[i]);
    }
    if (installed) CheckInstalled(release);
    else CHECK_MSG(!IsFile(DriverPath()), "the damaged copy wrote the driver");
}

// A second Setup.exe beside a running wizard ends by itself, shows nothing and does not
// write the driver again.
SCENARIO(second_instance) {
    Wizard first("win98");
    REQUIRE(first.WaitFrame());
    HWND welcome = first.WaitPage(Page::Welcome);
    REQUIRE(DeleteFileW(DriverPath().c_str()));

    DWORD started = GetTickCount();
    Wizard second("win98");
    CHECK_MSG(StaysInvisibleUntilExit(second.Process()), "the second instance showed a window or kept running");
    Note("second instance ended after " + std::to_string(GetTickCount() - started) + " ms");
    CHECK_MSG(!IsFile(DriverPath()), "the second instance wrote the driver");
    CHECK_MSG(first.Process().Running() && first.CurrentPage() == welcome, "the first wizard was disturbed");
    QuitWizard(first);
}

// Start-up writes the driver, byte for byte, on every release but NT 6 and later.
SCENARIO(driver_file) {
    REQUIRE(args.size() == 1);
    const Release& release = FindRelease(args[0]);
    Wizard wizard(release.name);
    REQUIRE(wizard.WaitFrame());
    wizard.WaitPage(Page::Welcome);
    bool exists = false;
    std::string bytes = ReadBytes(DriverPath(), &exists);
    CHECK_EQ(exists, release.writesDriver);
    if (exists) CHECK_MSG(bytes == PayloadBytes(250), "the driver differs from resource 250");
    CHECK_MSG(!IsFile(SystemDir() + L"\\ZkV4Ivi.ime"), "the module was written before anything was chosen");
    QuitWizard(wizard);
}

// The closing question by the Cancel button, the title bar's close box and Escape: No
// keeps the wizard as it was, Yes ends it.
SCENARIO(close_question) {
    Wizard wizard("winxp");
    REQUIRE(wizard.WaitFrame());
    HWND welcome = wizard.WaitPage(Page::Welcome);

    wizard.Press(ID_CANCEL);
    Box box = wizard.WaitBox();
    CheckQuestion(wizard, box, LangText("MSG", "8"));
    wizard.Answer(box, IDNO);
    CHECK(wizard.Process().Running());
    CHECK(IsShown(wizard.Frame()));
    CHECK_MSG(wizard.CurrentPage() == welcome, "No did not keep the welcome page");

    wizard.Press(ID_NEXT);
    HWND licence = wizard.WaitPage(Page::Licence);
    Click(Control(licence, ID_RADIO_SECOND));
    REQUIRE(WaitUntil([&] { return IsEnabled(Control(licence, ID_NEXT)); }, kStepTimeout));
    PostMessageW(wizard.Frame(), WM_SYSCOMMAND, SC_CLOSE, 0);
    box = wizard.WaitBox();
    CheckQuestion(wizard, box, LangText("MSG", "8"));
    wizard.Answer(box, IDNO);
    CHECK_MSG(wizard.CurrentPage() == licence, "No did not keep the licence page");
    CHECK_MSG(IsChecked(Control(licence, ID_RADIO_SECOND)) && IsEnabled(Control(licence, ID_NEXT)),
              "No changed the licence page's state");

    // Escape reaches the page through the dialog keyboard handling of the wizard's loop.
    HWND focus = Control(licence, ID_RADIO_SECOND);
    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    box = wizard.WaitBox();
    CheckQuestion(wizard, box, LangText("MSG", "8"));
    wizard.Answer(box, IDYES);
    CHECK_MSG(wizard.WaitExit(), "Yes did not end Setup.exe");
}

// A driver path that cannot be written (a folder of that name) ends start-up with the
// MSG/6 box, captioned with the program's name, before any wizard.
SCENARIO(driver_unwritable) {
    REQUIRE(CreateDirectoryW(DriverPath().c_str(), NULL));
    Wizard wizard("win98");
    ExpectStartupBox(wizard, "6");
    CHECK(IsDirectory(DriverPath()));
    CHECK(!KeyExists(HKEY_LOCAL_MACHINE, kProductKey));
    RemoveDirectoryW(DriverPath().c_str());
}
