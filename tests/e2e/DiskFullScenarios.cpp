// Install and repair on a disk that fills up: the worker's error box, what the failed run
// leaves recorded, and the next start once the disk has room again. The disk itself is set
// up by prefix-steps.sh between the runs.
#include "driver/Check.h"
#include "driver/Flows.h"
#include <commctrl.h>

using namespace e2e;

namespace {
// The worker's error box MSG/"6" on the progress page, with the bar where the failing
// step left it; OK closes the wizard without a question.
void ExpectWriteError(Wizard& wizard, int barPosition) {
    HWND progress = wizard.WaitPage(Page::Progress);
    Box box = wizard.WaitBox();
    CHECK_EQ(box.text, LangText("MSG", "6"));
    CHECK_EQ(box.caption, LangText("MAIN", "DIALOG_TITLE"));
    // Asked for the progress bar, a child window, the box gets the bar's top-level window.
    CHECK_MSG(box.owner == wizard.Frame(), "the error box is not owned by the wizard");
    DWORD_PTR position = 0;
    SendMessageTimeoutW(Control(progress, ID_PROGRESS_BAR), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position);
    CHECK_EQ(static_cast<int>(position), barPosition);
    wizard.Answer(box, IDOK);
    CHECK_MSG(wizard.WaitExit(), "the wizard stayed open after the error box");
    CHECK_MSG(wizard.NoBox(), "closing after the error asked a question");
}
}  // namespace

// disk_full STEP [ARG]:
//   install_fails BAR   an install through the wizard stops with MSG/"6", the bar at BAR,
//                       and records no installation
//   repair_fails BAR    a repair stops the same way and leaves the earlier record as it was
//   install             a whole install on a disk with room
//   completes MODE      the next start offers MODE (install or maintenance), and following it
//                       gives a complete installation
SCENARIO(disk_full) {
    REQUIRE(!args.empty());
    const Release& release = FindRelease("winxp");
    const std::string& step = args[0];
    if (step == "install") {
        InstallOnce(release.name);
        CheckInstalled(release);
        return;
    }
    REQUIRE(args.size() == 2);
    Wizard wizard(release.name);
    REQUIRE(wizard.WaitFrame());
    if (step == "install_fails") {
        AcceptLicence(wizard);
        wizard.Press(ID_NEXT);
        ExpectWriteError(wizard, std::stoi(args[1]));
        CHECK_MSG(!ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").exists, "a failed install recorded Version");
        CHECK_MSG(RecordedLayout().empty(), "a failed install recorded ImeHKL " << RecordedLayout());
        CHECK_MSG(ProductLayouts().empty(), "a failed install registered a layout");
    } else if (step == "repair_fails") {
        std::wstring layout = RecordedLayout();
        wizard.WaitPage(Page::Maintenance);
        wizard.Press(ID_FINISH);
        ExpectWriteError(wizard, std::stoi(args[1]));
        CHECK_EQ(ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").Dword(), 21100u);
        CHECK_EQ(RecordedLayout(), layout);
        CheckOneLayout();
    } else if (step == "completes") {
        bool maintenance = args[1] == "maintenance";
        CHECK_EQ(wizard.CurrentKind(), maintenance ? Page::Maintenance : Page::Welcome);
        if (wizard.CurrentKind() == Page::Maintenance) RepairThroughWizard(wizard);
        else InstallThroughWizard(wizard);
        CheckInstalled(release);
        CheckOneLayout();
    } else {
        REQUIRE(!"a known step");
    }
}
