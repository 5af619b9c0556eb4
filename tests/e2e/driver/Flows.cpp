#include "driver/Flows.h"
#include "driver/Check.h"

namespace e2e {

void AcceptLicence(Wizard& wizard, bool pictures) {
    wizard.WaitPage(Page::Welcome);
    if (pictures) wizard.Shot("install-welcome");
    wizard.Press(ID_NEXT);
    HWND licence = wizard.WaitPage(Page::Licence);
    if (pictures) wizard.Shot("install-licence");
    Click(Control(licence, ID_RADIO_SECOND));
    REQUIRE(WaitUntil([&] { return IsEnabled(Control(licence, ID_NEXT)); }, kStepTimeout));
}

void ChooseUninstall(Wizard& wizard) {
    HWND page = wizard.WaitPage(Page::Maintenance);
    Click(Control(page, ID_RADIO_SECOND));
    REQUIRE(WaitUntil([&] { return IsChecked(Control(page, ID_RADIO_SECOND)); }, kStepTimeout));
}

void InstallThroughWizard(Wizard& wizard) {
    REQUIRE(wizard.WaitFrame());
    AcceptLicence(wizard);
    wizard.Press(ID_NEXT);
    if (!ShotsDir().empty()) {
        // The worker is quick: hold it so that the picture shows the progress page.
        wizard.WaitPage(Page::Progress);
        wizard.HoldWorker();
        wizard.Shot("install-progress");
        wizard.ReleaseWorker();
    }
    wizard.WaitPage(Page::Finish);
    wizard.Shot("install-finish");
    wizard.Press(ID_CLOSE);
    REQUIRE(wizard.WaitExit());
}

void UninstallThroughWizard(Wizard& wizard) {
    REQUIRE(wizard.WaitFrame());
    ChooseUninstall(wizard);
    wizard.Press(ID_FINISH);
    Box question = wizard.WaitBox();
    wizard.Answer(question, IDYES);
    wizard.WaitPage(Page::Finish);
    wizard.Press(ID_CLOSE);
    REQUIRE(wizard.WaitExit());
}

void RepairThroughWizard(Wizard& wizard) {
    REQUIRE(wizard.WaitFrame());
    wizard.WaitPage(Page::Maintenance);
    wizard.Press(ID_FINISH);
    wizard.WaitPage(Page::Finish);
    wizard.Press(ID_CLOSE);
    REQUIRE(wizard.WaitExit());
}

void QuitWizard(Wizard& wizard) {
    wizard.Press(ID_CANCEL);
    Box question = wizard.WaitBox();
    CheckQuestion(wizard, question, LangText("MSG", "8"));
    wizard.Answer(question, IDYES);
    CHECK_MSG(wizard.WaitExit(), "Setup.exe still runs after Yes to the closing question");
}

void CheckQuestion(const Wizard& wizard, const Box& box, const std::wstring& text) {
    CHECK_EQ(box.text, text);
    CHECK_EQ(box.caption, LangText("MAIN", "DIALOG_TITLE"));
    CHECK_MSG(box.owner == wizard.Frame(), "the question is not owned by the wizard frame");
    CHECK_MSG(box.HasButton(IDYES) && box.HasButton(IDNO), "the question lacks Yes or No");
}

void InstallOnce(const std::string& release) {
    Wizard wizard(release);
    InstallThroughWizard(wizard);
}

void UninstallOnce(const std::string& release) {
    Wizard wizard(release);
    UninstallThroughWizard(wizard);
}

std::wstring RecordedLayout() {
    RegValue value = ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"ImeHKL");
    return value.exists && value.type == REG_SZ ? value.Text() : std::wstring();
}

void CheckInstalled(const Release& release) {
    for (const InstalledFile& file : InstalledFiles(release.moduleResource)) {
        bool exists = false;
        std::string bytes = ReadBytes(file.path, &exists);
        CHECK_MSG(exists, "missing " << file.path);
        CHECK_MSG(!exists || bytes == PayloadBytes(file.resource),
                  file.path << " does not hold resource " << file.resource << " (" << bytes.size()
                            << " bytes, expected " << PayloadBytes(file.resource).size() << ")");
    }

    RegValue version = ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version");
    CHECK_MSG(version.exists, "no Version value");
    CHECK_EQ(version.type, static_cast<DWORD>(REG_DWORD));
    CHECK_EQ(version.Dword(), 21100u);

    std::wstring layout = RecordedLayout();
    CHECK_MSG(layout.size() == 8, "ImeHKL is [" << layout << "]");
    RegValue layoutText = ReadValue(HKEY_LOCAL_MACHINE, LayoutKey(layout), L"Layout Text");
    CHECK_MSG(layoutText.exists, "no layout key for ImeHKL " << layout);
    CHECK_EQ(layoutText.Text(), LangText("MAIN", "IME_NAME"));

    std::wstring link = ShortcutPath(CurrentLang(), release.commonPrograms);
    CHECK_MSG(IsFile(link), "no shortcut " << link);
    CHECK_EQ(ShortcutTarget(link), ImeFolder() + L"\\Help.chm");
    std::wstring elsewhere = ShortcutPath(CurrentLang(), !release.commonPrograms);
    CHECK_MSG(!IsFile(elsewhere), "a shortcut in the other Programs folder: " << elsewhere);
}

void CheckOneLayout() {
    std::vector<std::wstring> layouts = ProductLayouts();
    std::wstring names;
    for (const std::wstring& name : layouts) names += L" " + name;
    CHECK_MSG(layouts.size() == 1, layouts.size() << " layouts of the module:" << names);
    CHECK_MSG(layouts.size() != 1 || lstrcmpiW(layouts[0].c_str(), RecordedLayout().c_str()) == 0,
              "the module's layout is" << names << ", ImeHKL records " << RecordedLayout());
}

void CheckRemoved(const Release& release, const std::wstring& layout) {
    for (const InstalledFile& file : InstalledFiles(release.moduleResource))
        CHECK_MSG(!IsFile(file.path), "left behind: " << file.path);
    CHECK_MSG(!IsFile(DriverPath()), "left behind: " << DriverPath());
    CHECK_MSG(!IsDirectory(ImeFolder()), "left behind: " << ImeFolder());
    CHECK_MSG(IsDirectory(MakerImeFolder()), "the maker's IME folder went too: " << MakerImeFolder());
    CHECK_MSG(layout.empty() || !KeyExists(HKEY_LOCAL_MACHINE, LayoutKey(layout)),
              "the layout key " << layout << " is still there");
    CHECK_MSG(ProductLayouts().empty(), ProductLayouts().size() << " layouts of the module are still there");
    CHECK_MSG(!KeyExists(HKEY_LOCAL_MACHINE, kProductKey), "the product key is still below HKLM");
    CHECK_MSG(!KeyExists(HKEY_CURRENT_USER, kProductKey), "the product key is still below HKCU");
    std::wstring link = ShortcutPath(CurrentLang(), release.commonPrograms);
    CHECK_MSG(!IsFile(link), "left behind: " << link);
    CHECK_MSG(!IsDirectory(ProductMenuFolder(CurrentLang(), release.commonPrograms)),
              "left behind: " << ProductMenuFolder(CurrentLang(), release.commonPrograms));
    CHECK_MSG(IsDirectory(machine::MakerMenuFolder(release.commonPrograms)),
              "the maker's Start-menu folder went too");
}

}  // namespace e2e
