// Install mode as a user goes through it: welcome, licence, progress and finish pages,
// then the machine as the installation left it.
#include "driver/Check.h"
#include "driver/Flows.h"
#include <commctrl.h>

using namespace e2e;

namespace {
// Centred in the work area at 503 × 407, kept inside it, titled from the string file.
void CheckFrame(HWND frame) {
    RECT work;
    REQUIRE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    Rect r = WindowRect(frame);
    CHECK_EQ(r.width, 503);
    CHECK_EQ(r.height, 407);
    int left = (work.left + work.right) / 2 - 503 / 2, top = (work.top + work.bottom) / 2 - 407 / 2;
    left = std::max<int>(work.left, std::min<int>(left, work.right - 503));
    top = std::max<int>(work.top, std::min<int>(top, work.bottom - 407));
    CHECK_EQ(r.left, left);
    CHECK_EQ(r.top, top);
    CHECK_EQ(Text(frame), LangText("MAIN", "DIALOG_TITLE"));
}

void CheckButtons(HWND page, bool cancel, bool back, int forward, bool forwardEnabled) {
    CHECK_EQ(IsEnabled(Control(page, ID_CANCEL)), cancel);
    CHECK_EQ(IsEnabled(Control(page, ID_BACK)), back);
    CHECK_EQ(IsEnabled(Control(page, forward)), forwardEnabled);
    CHECK_EQ(Text(Control(page, ID_CANCEL)), LangText("STR", "1"));
    CHECK_EQ(Text(Control(page, ID_BACK)), LangText("STR", "2"));
}

int BarPosition(HWND page) {
    DWORD_PTR position = 0;
    SendMessageTimeoutW(Control(page, ID_PROGRESS_BAR), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position);
    return static_cast<int>(position);
}

HWND ClickAndSettle(HWND page, int radio) {
    HWND button = Control(page, radio);
    Click(button);
    REQUIRE(WaitUntil([&] { return IsChecked(button); }, kStepTimeout));
    Sync(page);  // the click's notification has been handled too
    return button;
}

// Welcome → licence → accept → progress, checking each page on the way.
void WalkToProgress(Wizard& wizard) {
    HWND welcome = wizard.WaitPage(Page::Welcome);
    CheckButtons(welcome, true, false, ID_NEXT, true);
    CHECK_EQ(Text(Control(welcome, ID_NEXT)), LangText("STR", "3"));
    CHECK_EQ(Text(Control(welcome, ID_TEXT_FIRST)), LangText("STRS", "1", true));
    CHECK_EQ(Text(Control(welcome, ID_TEXT_SECOND)), LangText("STRS", "2"));

    wizard.Press(ID_NEXT);
    HWND licence = wizard.WaitPage(Page::Licence);
    CheckButtons(licence, true, true, ID_NEXT, false);
    CHECK(!IsChecked(Control(licence, ID_RADIO_FIRST)) && !IsChecked(Control(licence, ID_RADIO_SECOND)));
    CHECK_EQ(Text(Control(licence, ID_RADIO_FIRST)), LangText("STR", "4"));
    CHECK_EQ(Text(Control(licence, ID_RADIO_SECOND)), LangText("STR", "5"));
    std::wstring agreement = Text(Control(licence, ID_LICENCE));
    CHECK_MSG(agreement.compare(0, LicenceFirstLine().size(), LicenceFirstLine()) == 0,
              "the agreement begins [" << agreement.substr(0, 40) << "]");

    ClickAndSettle(licence, ID_RADIO_FIRST);
    CHECK_MSG(!IsEnabled(Control(licence, ID_NEXT)), "declining enabled Next");
    ClickAndSettle(licence, ID_RADIO_SECOND);
    CHECK_MSG(IsEnabled(Control(licence, ID_NEXT)), "accepting left Next disabled");
    CHECK(!IsChecked(Control(licence, ID_RADIO_FIRST)));

    wizard.Press(ID_BACK);
    CHECK_MSG(wizard.WaitPage(Page::Welcome) == welcome, "Back showed another welcome page");
    wizard.Press(ID_NEXT);
    CHECK_MSG(wizard.WaitPage(Page::Licence) == licence, "Next showed another licence page");
    CHECK_MSG(IsChecked(Control(licence, ID_RADIO_SECOND)) && IsEnabled(Control(licence, ID_NEXT)),
              "the licence page lost the acceptance on the way back and forth");

    wizard.Press(ID_NEXT);
    wizard.WaitPage(Page::Progress);
}
}  // namespace

// The whole of install mode under one release, in the language of the locale.
SCENARIO(install) {
    REQUIRE(args.size() == 1);
    const Release& release = FindRelease(args[0]);
    Wizard wizard(release.name);
    REQUIRE(wizard.WaitFrame());
    CheckFrame(wizard.Frame());
    WalkToProgress(wizard);

    wizard.HoldWorker();
    HWND progress = wizard.CurrentPage();
    CHECK_EQ(KindOf(progress), Page::Progress);
    CheckButtons(progress, true, false, ID_FINISH, false);
    CHECK_EQ(Text(Control(progress, ID_FINISH)), LangText("STR", "3"));
    CHECK_EQ(Text(Control(progress, ID_TEXT_FIRST)), LangText("STRS", "5"));
    wizard.ReleaseWorker();

    HWND finish = wizard.WaitPage(Page::Finish);
    CheckButtons(finish, false, false, ID_CLOSE, true);
    CHECK_EQ(Text(Control(finish, ID_CLOSE)), LangText("STR", "9"));
    CHECK_EQ(Text(Control(finish, ID_TEXT_FIRST)), LangText("STRS", "6", true));
    CHECK_EQ(Text(Control(finish, ID_TEXT_SECOND)), LangText("STRS", "7"));
    wizard.Press(ID_CLOSE);
    CHECK_MSG(wizard.WaitExit(), "Close did not end Setup.exe");
    CHECK_MSG(wizard.NoBox(), "Close asked a question");

    CheckInstalled(release);
    CHECK_EQ(IsFile(DriverPath()), release.writesDriver);
}

// Cancel while the worker runs. The worker is held on the progress page, so that the
// closing question certainly comes before the finish page: No leaves page, bar and worker
// alone. Then, with the question open again, the worker is let go and the finish page
// appears behind it; No keeps the finish page. With "yes", the first answer is Yes and
// Setup.exe ends in the middle of its work.
SCENARIO(cancel_progress) {
    REQUIRE(args.size() == 1);
    bool answerYes = args[0] == "yes";
    Wizard wizard("winxp");
    REQUIRE(wizard.WaitFrame());
    AcceptLicence(wizard);
    wizard.Press(ID_NEXT);
    HWND progress = wizard.WaitPage(Page::Progress);
    wizard.HoldWorker();
    int position = BarPosition(progress);

    wizard.Press(ID_CANCEL);
    Box box = wizard.WaitBox();
    CheckQuestion(wizard, box, LangText("MSG", "8"));
    if (answerYes) {
        wizard.Answer(box, IDYES);
        CHECK_MSG(wizard.WaitExit(), "Yes did not end Setup.exe while the worker ran");
        // "Version" is written after the bar reaches 100 and before it reaches 110.
        if (position < 100)
            CHECK_MSG(!ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").exists,
                      "Version recorded although the run stopped at " << position);
        return;
    }
    wizard.Answer(box, IDNO);
    CHECK_MSG(wizard.CurrentPage() == progress, "No left the progress page");
    CHECK_EQ(BarPosition(progress), position);
    CHECK(wizard.Process().Running());

    wizard.Press(ID_CANCEL);
    box = wizard.WaitBox();
    wizard.ReleaseWorker();
    wizard.WaitPage(Page::Finish);
    CHECK_MSG(IsShown(box.window), "the question closed when the finish page came");
    wizard.Answer(box, IDNO);
    CHECK_EQ(wizard.CurrentKind(), Page::Finish);
    CHECK(wizard.Process().Running());
    wizard.Press(ID_CLOSE);
    CHECK_MSG(wizard.WaitExit(), "Close did not end Setup.exe");
    CheckInstalled(FindRelease("winxp"));
}
