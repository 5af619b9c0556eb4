// One run of Setup.exe seen from the user's chair: its wizard frame, the page it shows,
// the message boxes it asks, and screenshots of what it looks like.
#pragma once
#include "driver/SetupProcess.h"
#include "driver/Ui.h"
#include <ostream>
#include <string>

namespace e2e {

enum class Page { None, Welcome, Licence, Progress, Finish, Maintenance };
const char* PageName(Page page);
std::ostream& operator<<(std::ostream& out, Page page);
// Which page a page window is, told by the controls only that page has.
Page KindOf(HWND page);

// Control ids shared by all pages.
enum : int {
    ID_BACK = 1001, ID_NEXT = 1002, ID_CLOSE = 1003, ID_CANCEL = 1004, ID_FINISH = 1005,
    ID_TEXT_FIRST = 1020, ID_TEXT_SECOND = 1021, ID_LICENCE = 1060,
    ID_RADIO_FIRST = 1070, ID_RADIO_SECOND = 1071, ID_PROGRESS_BAR = 1103
};

struct Box {
    HWND window = NULL;
    HWND owner = NULL;
    std::wstring caption;
    std::wstring text;
    explicit operator bool() const { return window != NULL; }
    bool HasButton(int id) const;
};

// Default waits: generous, since a loaded machine may be slow; nothing measures speed.
constexpr DWORD kStartTimeout = 30000;
constexpr DWORD kStepTimeout = 20000;

class Wizard {
public:
    // Starts Setup.exe under `release` (see SetupProcess::Start); does not wait for anything.
    explicit Wizard(const std::string& release, const std::wstring& exe = L"", const std::wstring& folder = L"");

    SetupProcess& Process() { return m_process; }
    // Waits for the wizard frame: a visible top-level dialog of the process, without owner,
    // showing a page whose controls are in place. NULL when none appeared.
    HWND WaitFrame(DWORD timeoutMs = kStartTimeout);
    HWND Frame() const { return m_frame; }

    // The one page showing, or NULL.
    HWND CurrentPage() const;
    Page CurrentKind() const { return KindOf(CurrentPage()); }
    // Waits until `kind` is the page showing and returns it; a failed REQUIRE otherwise.
    HWND WaitPage(Page kind, DWORD timeoutMs = kStepTimeout);
    HWND Button(int id) const { return Control(CurrentPage(), id); }
    // Presses a button of the current page and waits until the press has been handled.
    void Press(int id);

    // A message box of the process (a top-level dialog with the static text 65535).
    Box FindBox() const;
    Box WaitBox(DWORD timeoutMs = kStepTimeout);
    void Answer(const Box& box, int buttonId);
    // True when no message box of the process is open.
    bool NoBox() const { return !FindBox(); }

    bool WaitExit(DWORD timeoutMs = kStepTimeout) { return m_process.WaitExit(timeoutMs); }

    // Holds the worker thread still (every thread but the one that owns the windows) while
    // the window thread keeps serving the user interface; Release lets it go on.
    void HoldWorker();
    void ReleaseWorker() { m_process.Resume(); }

    // When screenshots are wanted (E2E_SHOTS_DIR), saves <lang>-<name>.bmp of the frame, or
    // of `window` (a message box).
    void Shot(const std::string& name, HWND window = NULL);

private:
    SetupProcess m_process;
    HWND m_frame = NULL;
};

}  // namespace e2e
