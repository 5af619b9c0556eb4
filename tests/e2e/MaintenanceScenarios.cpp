// Maintenance mode over a finished installation: leaving it alone, repairing, uninstalling,
// and install mode again afterwards. Takes a screenshot of every page on the way, and after
// each operation asks the input-method manager whether the recorded layout loads the module.
#include "driver/Check.h"
#include "driver/Flows.h"
#include "driver/ImeProbe.h"
#include <map>

using namespace e2e;

namespace {
HWND WaitMaintenancePage(Wizard& wizard) {
    REQUIRE(wizard.WaitFrame());
    HWND page = wizard.WaitPage(Page::Maintenance);
    CHECK_MSG(IsChecked(Control(page, ID_RADIO_FIRST)), "repair is not chosen at first");
    CHECK_MSG(!IsChecked(Control(page, ID_RADIO_SECOND)), "uninstall is chosen at first");
    CHECK(!IsEnabled(Control(page, ID_BACK)));
    CHECK(IsEnabled(Control(page, ID_FINISH)) && IsEnabled(Control(page, ID_CANCEL)));
    CHECK_EQ(Text(Control(page, ID_FINISH)), LangText("STR", "10"));
    CHECK_EQ(Text(Control(page, ID_TEXT_FIRST)), LangText("STRS", "8", true));
    CHECK_EQ(Text(Control(page, ID_RADIO_FIRST)), LangText("STR", "11", true));
    CHECK_EQ(Text(Control(page, ID_RADIO_SECOND)), LangText("STR", "12", true));
    return page;
}

// The progress page of a repair or an uninstall, held for a look and a picture, then the
// finish page with `finishKey`'s text; Close ends Setup.exe.
void FollowOperation(Wizard& wizard, const std::string& name, const char* finishKey) {
    HWND progress = wizard.WaitPage(Page::Progress);
    wizard.HoldWorker();
    CHECK_EQ(Text(Control(progress, ID_FINISH)), LangText("STR", "10"));
    CHECK(!IsEnabled(Control(progress, ID_FINISH)) && !IsEnabled(Control(progress, ID_BACK)));
    wizard.Shot(name + "-progress");
    wizard.ReleaseWorker();
    HWND finish = wizard.WaitPage(Page::Finish);
    CHECK_EQ(Text(Control(finish, ID_TEXT_FIRST)), LangText("STRS", finishKey, true));
    CHECK(IsEnabled(Control(finish, ID_CLOSE)) && !IsEnabled(Control(finish, ID_CANCEL)));
    wizard.Shot(name + "-finish");
    wizard.Press(ID_CLOSE);
    CHECK_MSG(wizard.WaitExit(), "Close did not end Setup.exe");
}

using WriteTimes = std::map<std::wstring, ULONGLONG>;
WriteTimes InstalledWriteTimes(const Release& release) {
    WriteTimes times;
    for (const InstalledFile& file : InstalledFiles(release.moduleResource)) {
        FILETIME t = LastWrite(file.path);
        times[file.path] = (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    }
    return times;
}
}  // namespace

SCENARIO(lifecycle) {
    REQUIRE(args.size() == 1);
    const Release& release = FindRelease(args[0]);
    {
        Wizard wizard(release.name);
        InstallThroughWizard(wizard);
    }
    CheckInstalled(release);
    std::wstring firstLayout = RecordedLayout();
    CHECK_MSG(ProbeLayout(firstLayout, true), "the installed layout does not load the module");
    WriteTimes written = InstalledWriteTimes(release);
    Sleep(1100);  // so that a rewrite would show in the files' times

    Note("maintenance, cancelled");
    {
        Wizard wizard(release.name);
        WaitMaintenancePage(wizard);
        wizard.Shot("maintenance");
        QuitWizard(wizard);
        CHECK_MSG(InstalledWriteTimes(release) == written, "leaving maintenance rewrote files");
        CHECK_EQ(RecordedLayout(), firstLayout);
        CHECK_EQ(ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").Dword(), 21100u);
    }

    // Wine gives a reinstalled layout the lowest free handle, which after the removal is the
    // old one again: a marker in the old key and a preload entry show that both were purged.
    WriteText(HKEY_LOCAL_MACHINE, LayoutKey(firstLayout), L"Installed before the repair", L"yes");
    WriteText(HKEY_CURRENT_USER, kPreloadKey, L"9", firstLayout);

    Note("repair");
    {
        Wizard wizard(release.name);
        WaitMaintenancePage(wizard);
        wizard.Press(ID_FINISH);
        wizard.WaitPage(Page::Progress);
        CHECK_MSG(wizard.NoBox(), "repair asked a question");
        FollowOperation(wizard, "repair", "9");
    }
    CheckInstalled(release);
    CHECK_MSG(InstalledWriteTimes(release) != written, "repair did not rewrite the files");
    std::wstring repairedLayout = RecordedLayout();
    CHECK_MSG(ProbeLayout(repairedLayout, true), "the repaired layout does not load the module");
    CHECK_MSG(!ReadValue(HKEY_LOCAL_MACHINE, LayoutKey(firstLayout), L"Installed before the repair").exists,
              "the old layout key " << firstLayout << " was not purged");
    CHECK_MSG(!ReadValue(HKEY_CURRENT_USER, kPreloadKey, L"9").exists, "the old layout stayed in the preload list");
    WriteText(HKEY_CURRENT_USER, kPreloadKey, L"9", repairedLayout);

    Note("uninstall");
    {
        Wizard wizard(release.name);
        HWND page = WaitMaintenancePage(wizard);
        Click(Control(page, ID_RADIO_SECOND));
        REQUIRE(WaitUntil([&] { return IsChecked(Control(page, ID_RADIO_SECOND)); }, kStepTimeout));
        CHECK(!IsChecked(Control(page, ID_RADIO_FIRST)));
        wizard.Press(ID_FINISH);
        Box box = wizard.WaitBox();
        CheckQuestion(wizard, box, LangText("MSG", "9", true));
        wizard.Answer(box, IDNO);
        CHECK_MSG(wizard.CurrentPage() == page, "No left the maintenance page");
        CHECK_MSG(IsChecked(Control(page, ID_RADIO_SECOND)), "No undid the uninstall choice");
        CHECK(IsFile(SystemDir() + L"\\ZkV4Ivi.ime"));

        wizard.Press(ID_FINISH);
        box = wizard.WaitBox();
        wizard.Shot("uninstall-question");
        wizard.Answer(box, IDYES);
        FollowOperation(wizard, "uninstall", "10");
    }
    CheckRemoved(release, repairedLayout);
    CHECK_MSG(ProbeLayout(repairedLayout, false), "the removed layout still leads to the module");
    CHECK_MSG(!ReadValue(HKEY_CURRENT_USER, kPreloadKey, L"9").exists, "the layout stayed in the preload list");

    Note("install mode again");
    {
        Wizard wizard(release.name);
        REQUIRE(wizard.WaitFrame());
        wizard.WaitPage(Page::Welcome);
        QuitWizard(wizard);
    }
}

// cycle [RELEASE]: install, repair and uninstall, one run of Setup.exe each; prefix-steps.sh
// compares the prefix before and after.
SCENARIO(cycle) {
    const Release& release = FindRelease(args.empty() ? "winxp" : args[0]);
    InstallOnce(release.name);
    CheckInstalled(release);
    {
        Wizard wizard(release.name);
        RepairThroughWizard(wizard);
    }
    CheckInstalled(release);
    CheckOneLayout();
    UninstallOnce(release.name);
    CheckRemoved(release, std::wstring());
}

// reported_release RELEASE: only tells Wine which release to report to Setup.exe, so that a
// snapshot taken afterwards already holds what Wine itself writes in this locale.
SCENARIO(reported_release) {
    REQUIRE(args.size() == 1);
    SetReportedRelease(FindRelease(args[0]).name);
}
