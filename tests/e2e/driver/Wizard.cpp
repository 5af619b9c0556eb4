#include "driver/Wizard.h"
#include "driver/Check.h"
#include "driver/Product.h"
#include <sstream>

namespace e2e {

const char* PageName(Page page) {
    switch (page) {
    case Page::Welcome: return "welcome";
    case Page::Licence: return "licence";
    case Page::Progress: return "progress";
    case Page::Finish: return "finish";
    case Page::Maintenance: return "maintenance";
    default: return "none";
    }
}

std::ostream& operator<<(std::ostream& out, Page page) {
    return out << PageName(page);
}

Page KindOf(HWND page) {
    if (!page) return Page::None;
    if (Control(page, ID_PROGRESS_BAR)) return Page::Progress;
    if (Control(page, ID_LICENCE)) return Page::Licence;
    if (Control(page, ID_CLOSE)) return Page::Finish;
    if (Control(page, ID_RADIO_FIRST)) return Page::Maintenance;
    if (Control(page, ID_NEXT)) return Page::Welcome;
    return Page::None;
}

bool Box::HasButton(int id) const {
    HWND button = Control(window, id);
    return button && IsShown(button);
}

Wizard::Wizard(const std::string& release, const std::wstring& exe, const std::wstring& folder)
    : m_process(SetupProcess::Start(release, exe, folder)) {}

namespace {
// The forward button of every page gets its caption during the page's initialisation:
// once it has one, the page is complete.
bool PageReady(HWND page) {
    static const int forward[] = {ID_NEXT, ID_CLOSE, ID_FINISH};
    for (int id : forward)
        if (HWND button = Control(page, id)) return !Text(button).empty();
    return false;
}
}  // namespace

HWND Wizard::WaitFrame(DWORD timeoutMs) {
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(m_process.Id())) {
            if (!IsDialogWindow(window) || !IsShown(window) || GetWindow(window, GW_OWNER)) continue;
            if (Control(window, 0xFFFF)) continue;  // a message box, not the wizard
            m_frame = window;
            HWND page = CurrentPage();
            if (page && PageReady(page)) return true;
        }
        m_frame = NULL;
        return !m_process.Running();
    }, timeoutMs);
    if (!m_frame) {
        std::ostringstream seen;
        for (HWND window : TopLevelWindows(m_process.Id()))
            seen << " " << ClassName(window) << (IsShown(window) ? "(shown)" : "(hidden)") << " \"" << Text(window) << "\"";
        Note("no wizard frame; Setup.exe " + std::string(m_process.Running() ? "runs" : "has ended") +
             ", its windows:" + seen.str());
    }
    return m_frame;
}

HWND Wizard::CurrentPage() const {
    if (!m_frame) return NULL;
    HWND shown = NULL;
    for (HWND child : ChildWindows(m_frame)) {
        if (!IsDialogWindow(child) || !IsShown(child)) continue;
        if (shown) return NULL;  // between two pages
        shown = child;
    }
    return shown;
}

HWND Wizard::WaitPage(Page kind, DWORD timeoutMs) {
    HWND page = NULL;
    bool shown = WaitUntil([&] {
        page = CurrentPage();
        return KindOf(page) == kind && PageReady(page);
    }, timeoutMs, 2);
    if (!shown) {
        ReportFailure(__FILE__, __LINE__, std::string("the ") + PageName(kind) + " page did not show; showing: " +
                                              PageName(CurrentKind()) +
                                              (m_process.Running() ? "" : " (Setup.exe has ended)"));
        throw ScenarioAbort{std::string("wait for the ") + PageName(kind) + " page"};
    }
    return page;
}

void Wizard::Press(int id) {
    HWND button = Button(id);
    REQUIRE(button != NULL);
    Click(button);
}

Box Wizard::FindBox() const {
    Box box;
    for (HWND window : TopLevelWindows(m_process.Id())) {
        if (!IsDialogWindow(window) || !IsShown(window)) continue;
        HWND text = Control(window, 0xFFFF);
        if (!text) continue;
        box.window = window;
        box.owner = GetWindow(window, GW_OWNER);
        box.caption = Text(window);
        box.text = Text(text);
        return box;
    }
    return box;
}

Box Wizard::WaitBox(DWORD timeoutMs) {
    Box box;
    WaitUntil([&] {
        box = FindBox();
        // Complete once a button is in place and the text is set.
        return (box && (box.HasButton(IDOK) || box.HasButton(IDYES)) && !box.text.empty()) ||
               !m_process.Running();
    }, timeoutMs, 2);
    if (!box) {
        ReportFailure(__FILE__, __LINE__, "no message box appeared");
        throw ScenarioAbort{"wait for a message box"};
    }
    return box;
}

void Wizard::Answer(const Box& box, int buttonId) {
    HWND button = Control(box.window, buttonId);
    REQUIRE(button != NULL);
    Click(button);
    CHECK_MSG(WaitUntil([&] { return !IsWindow(box.window) || !IsShown(box.window); }, kStepTimeout),
              "the message box stayed open after button " << buttonId);
}

void Wizard::HoldWorker() {
    DWORD uiThread = GetWindowThreadProcessId(m_frame, NULL);
    // A thread stopped inside a lock that the window thread needs would hang the user
    // interface: make the window thread repaint and answer, and if it cannot, let the
    // worker run a moment and stop it again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        m_process.SuspendAllBut(uiThread);
        RedrawWindow(m_frame, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        Sleep(50);
        if (Sync(m_frame, 500)) return;
        m_process.Resume();
        Sleep(5);
    }
    ReportFailure(__FILE__, __LINE__, "the window thread did not answer while the worker was held");
    throw ScenarioAbort{"hold the worker"};
}

void Wizard::Shot(const std::string& name, HWND window) {
    std::wstring folder = ShotsDir();
    HWND target = window ? window : m_frame;
    if (folder.empty() || !target) return;
    CreateDirectoryW(folder.c_str(), NULL);
    // Let every pending paint happen before the picture is taken.
    RedrawWindow(target, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    Sync(target);
    Sleep(300);
    Sync(target);
    std::wstring path = folder + L"\\" + FromUtf8(std::string(LangTag(CurrentLang())) + "-" + name) + L".bmp";
    CHECK_MSG(CaptureWindow(target, path), "no screenshot for " << name);
}

}  // namespace e2e
