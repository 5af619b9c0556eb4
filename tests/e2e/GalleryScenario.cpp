// Every screen of the wizard in the current language, as the people who translate it need
// to see them, and whether each page's texts fit their controls.
//   gallery [pages] [dpi=N]
// Pictures go to E2E_SHOTS_DIR as <lang>-NN-<screen>; a line "screen NN-<screen>: KEYS"
// names the language-file entries each shows. Every page is measured (TextFit): at 96 DPI
// an overflow fails the run, at other resolutions it is a warning. With `pages` only the
// pages are visited (message boxes size themselves). The damaged-program box is shown when
// E2E_DAMAGED_DIR names a folder with a damaged Setup.exe and the language file has MSG/10.
#include "driver/Check.h"
#include "driver/Flows.h"
#include "driver/StepTrap.h"
#include "driver/TextFit.h"
#include <algorithm>
#include <cstring>
#include <iterator>

using namespace e2e;

namespace {
const char* const kRelease = "winxp";

// Sets the resolution that Setup.exe starts with from now on.
void SetDpi(DWORD dpi) {
    HKEY key;
    REQUIRE(RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                            NULL) == ERROR_SUCCESS);
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    RegCloseKey(key);
}

void ListScreen(const std::string& screen, const std::vector<std::string>& keys) {
    std::vector<std::string> listed;
    std::string line = "screen " + screen + ":";
    for (const std::string& key : keys) {
        if (key.empty() || std::find(listed.begin(), listed.end(), key) != listed.end()) continue;
        listed.push_back(key);
        line += " " + key;
    }
    Note(line);
}

const char* const kHalfway = "hold:bar:50";

// One run of Setup.exe whose pages are measured; its worker will be held halfway, so that
// the progress page stays for a look.
struct Run {
    StepTrap trap{kHalfway};
    Wizard wizard{kRelease};
    Run() {
        REQUIRE(wizard.WaitFrame());
        trap.Arm(wizard);  // loads the measuring library too
    }
};

class Gallery {
public:
    explicit Gallery(int dpi) : m_dpi(dpi) {}

    void Page(Wizard& wizard, HWND page, const std::string& screen, const std::string& pageName) {
        ListScreen(screen, m_fit.Report(page, pageName, m_dpi));
        wizard.Shot(screen);
    }
    void Box(Wizard& wizard, const e2e::Box& box, const std::string& screen) {
        ListScreen(screen, {LangKeyOf(box.caption), LangKeyOf(box.text)});
        wizard.Shot(screen, box.window);
    }
    // The progress page of `operation` with its worker held, then its finish page; Close.
    void Operation(Run& run, const std::string& operation, const std::string& progress, const std::string& finish) {
        REQUIRE(run.trap.WaitReached());
        Page(run.wizard, run.wizard.WaitPage(Page::Progress), progress, operation + " progress");
        run.trap.Release();
        Page(run.wizard, run.wizard.WaitPage(Page::Finish), finish, operation + " finish");
        run.wizard.Press(ID_CLOSE);
        REQUIRE(run.wizard.WaitExit());
    }

private:
    int m_dpi;
    TextFit m_fit;
};

// Install mode to the finish page; with boxes, the closing question on the licence page.
void InstallScreens(Gallery& gallery, bool boxes) {
    Run run;
    Wizard& wizard = run.wizard;
    gallery.Page(wizard, wizard.WaitPage(Page::Welcome), "01-welcome", "welcome");
    wizard.Press(ID_NEXT);
    HWND licence = wizard.WaitPage(Page::Licence);
    gallery.Page(wizard, licence, "02-licence", "licence");
    Click(Control(licence, ID_RADIO_SECOND));
    REQUIRE(WaitUntil([&] { return IsEnabled(Control(licence, ID_NEXT)); }, kStepTimeout));
    gallery.Page(wizard, licence, "03-licence-accepted", "licence");
    if (boxes) {
        wizard.Press(ID_CANCEL);
        Box question = wizard.WaitBox();
        gallery.Box(wizard, question, "04-close-question");
        wizard.Answer(question, IDNO);
    }
    wizard.Press(ID_NEXT);
    gallery.Operation(run, "install", "05-install-progress", "06-install-finish");
}

// Maintenance mode: repair, then uninstall with its question.
void MaintenanceScreens(Gallery& gallery, bool boxes) {
    {
        Run run;
        gallery.Page(run.wizard, run.wizard.WaitPage(Page::Maintenance), "07-maintenance", "maintenance");
        run.wizard.Press(ID_FINISH);
        gallery.Operation(run, "repair", "08-repair-progress", "09-repair-finish");
    }
    Run run;
    ChooseUninstall(run.wizard);
    run.wizard.Press(ID_FINISH);
    Box question = run.wizard.WaitBox();
    if (boxes) gallery.Box(run.wizard, question, "10-uninstall-question");
    run.wizard.Answer(question, IDYES);
    gallery.Operation(run, "uninstall", "11-uninstall-progress", "12-uninstall-finish");
}

// An installation that meets `obstacle` and ends with an error box on the progress page.
template <typename Obstacle>
void WorkerErrorScreen(Gallery& gallery, const std::string& screen, Obstacle obstacle) {
    obstacle();
    Wizard wizard(kRelease);
    REQUIRE(wizard.WaitFrame());
    AcceptLicence(wizard, false);
    wizard.Press(ID_NEXT);
    Box box = wizard.WaitBox();
    gallery.Box(wizard, box, screen);
    wizard.Answer(box, IDOK);
    CHECK_MSG(wizard.WaitExit(), "the wizard stayed open after the error box");
}

// A box that Setup.exe shows at start, before any wizard.
void StartBoxScreen(Gallery& gallery, const std::string& screen, const std::string& release,
                    const std::wstring& folder = std::wstring()) {
    Wizard wizard(release, folder.empty() ? folder : folder + L"\\Setup.exe", folder);
    Box box = wizard.WaitBox(kStartTimeout);
    gallery.Box(wizard, box, screen);
    wizard.Answer(box, IDOK);
    CHECK_MSG(wizard.WaitExit(), "Setup.exe still runs after OK");
}
}  // namespace

SCENARIO(gallery) {
    bool boxes = true;
    int dpi = 96;
    for (const std::string& arg : args) {
        if (arg == "pages") boxes = false;
        if (arg.compare(0, 4, "dpi=") == 0) dpi = std::stoi(arg.substr(4));
    }
    SetDpi(dpi);
    Gallery gallery(dpi);
    if (boxes) {
        // A fresh prefix has no layout list: a volatile one admits no layout (MSG/7).
        HKEY list;
        DWORD created = 0;
        REQUIRE(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLayoutsKey, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL,
                                &list, &created) == ERROR_SUCCESS);
        RegCloseKey(list);
        REQUIRE(created == REG_CREATED_NEW_KEY);
        WorkerErrorScreen(gallery, "14-error-layout", [] {});
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kLayoutsKey);
        RemoveProductTraces();
        // A folder where a data file goes cannot be written (MSG/6).
        std::wstring blocked = ImeFolder() + L"\\PhrChs.dat";
        WorkerErrorScreen(gallery, "13-error-file", [&] {
            CreateDirectoryW((SystemDir() + L"\\IME").c_str(), NULL);
            CreateDirectoryW(MakerImeFolder().c_str(), NULL);
            CreateDirectoryW(ImeFolder().c_str(), NULL);
            REQUIRE(CreateDirectoryW(blocked.c_str(), NULL));
        });
        RemoveDirectoryW(blocked.c_str());
        RemoveProductTraces();
    }
    InstallScreens(gallery, boxes);
    MaintenanceScreens(gallery, boxes);
    if (!boxes) return;
    // The support driver's path taken by a folder: the start-up box (MSG/6).
    REQUIRE(CreateDirectoryW(DriverPath().c_str(), NULL));
    StartBoxScreen(gallery, "15-start-error", "win98");
    RemoveDirectoryW(DriverPath().c_str());
    std::wstring damaged = WindowsPathFromEnvironment("E2E_DAMAGED_DIR", false);
    if (!damaged.empty() && HasLangText("MSG", "10")) StartBoxScreen(gallery, "16-damaged", kRelease, damaged);
}

namespace {
// Texts too long for their controls, each on the welcome or the licence page.
struct LongText {
    const char* section;
    const char* key;
    const char* text;
    e2e::Page page;
    int control;  // -1: the banner title
};
const LongText kLongTexts[] = {
    {"STR", "3", "&Next, on to the following page >", Page::Welcome, ID_NEXT},
    {"STRS", "2", "Please close all running programs before you continue, including every program that "
                  "uses an input method.\\nClick Next to continue, or Cancel to leave Setup without any "
                  "change to this computer.\\n3\\n4\\n5\\n6\\n7\\n8",
     Page::Welcome, ID_TEXT_SECOND},
    {"TITLE", "1", "Welcome to the Setup of %s for every computer", Page::Welcome, -1},
    {"STR", "5", "I have read and I &accept the agreement", Page::Licence, ID_RADIO_SECOND},
};

// The language file with the long texts put in, and Setup.exe beside it, in a new folder.
std::wstring StageLongTexts() {
    std::wstring folder = L"C:\\long-texts";
    CreateDirectoryW(folder.c_str(), NULL);
    REQUIRE(CopyFileW((ProductDir() + L"\\Setup.exe").c_str(), (folder + L"\\Setup.exe").c_str(), FALSE));
    std::wstring name = FromUtf8(LangCode(CurrentLang())) + L".lng";
    bool exists = false;
    std::string content = ReadBytes(SourceDir() + L"\\res\\lang\\" + name, &exists), out, section;
    REQUIRE(exists);
    for (size_t pos = 0; pos < content.size();) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line[0] == '[') section = line.substr(1, line.find(']') - 1);
        for (const LongText& row : kLongTexts)
            if (section == row.section && line.compare(0, std::strlen(row.key) + 1, std::string(row.key) + "=") == 0)
                line = std::string(row.key) + "=" + row.text;
        out += line + "\n";
    }
    std::wstring file = folder + L"\\" + name;
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    REQUIRE(handle != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, out.data(), static_cast<DWORD>(out.size()), &written, NULL);
    CloseHandle(handle);
    UseLangFile(file);
    return folder;
}

// Exactly the long texts of `page` overflow, each named by its SECTION/KEY and control.
void CheckLongTexts(TextFit& fit, HWND page, Page kind) {
    std::vector<FitResult> results = fit.Measure(page);
    for (const LongText& row : kLongTexts) {
        if (row.page != kind) continue;
        std::string key = std::string(row.section) + "/" + row.key;
        bool reported = std::any_of(results.begin(), results.end(), [&](const FitResult& r) {
            return r.key == key && r.control == row.control && r.Overflows();
        });
        CHECK_MSG(reported, key << " on the " << PageName(kind) << " page was not found too big for control "
                                << row.control);
    }
    for (const FitResult& r : results) {
        bool isLong = std::any_of(std::begin(kLongTexts), std::end(kLongTexts), [&](const LongText& row) {
            return r.key == std::string(row.section) + "/" + row.key;
        });
        CHECK_MSG(isLong || !r.Overflows(), r.key << " on the " << PageName(kind) << " page fits but was found "
                                                  << r.tooWide << " px too wide, " << r.tooTall << " px too tall");
    }
    for (const FitResult& r : results)
        if (r.Overflows()) Note(OverflowLine(r, PageName(kind), 96));
}
}  // namespace

// fit_long_texts: the texts of kLongTexts, put into the language file, are found too big by
// the measuring and named by their SECTION/KEY; the others on the same pages fit.
SCENARIO(fit_long_texts) {
    std::wstring folder = StageLongTexts();
    TextFit fit;
    Wizard wizard(kRelease, folder + L"\\Setup.exe", folder);
    REQUIRE(wizard.WaitFrame());
    fit.Arm(wizard);
    CheckLongTexts(fit, wizard.WaitPage(Page::Welcome), Page::Welcome);
    wizard.Press(ID_NEXT);
    CheckLongTexts(fit, wizard.WaitPage(Page::Licence), Page::Licence);
    QuitWizard(wizard);
}
