#include "ui/SetupWizardDlg.h"
#include "base/SetupGlobals.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "res/resource.h"
#include "ui/FinishPage.h"
#include "ui/LicensePage.h"
#include "ui/MaintenancePage.h"
#include "ui/ProgressPage.h"
#include "ui/WelcomePage.h"
#include "base/WizardCommand.h"

CSetupWizardDlg::CSetupWizardDlg(int mode, HWND parent)
    : CModalDialog(IDD_WIZARD_FRAME, parent), m_current(0), m_mode(mode) {
    for (CWizardPage*& page : m_pages) page = NULL;
    m_hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_APPLICATION_ICON),
                                            IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

CSetupWizardDlg::~CSetupWizardDlg() {
    for (CWizardPage* page : m_pages) delete page;
}

BOOL CSetupWizardDlg::OnInitDialog() {
    SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 503, 407, 0);
    char title[LANG_TEXT_SIZE];
    LoadLangString("MAIN", "DIALOG_TITLE", title, sizeof(title));
    SetWindowTextA(m_hwnd, title);
    SetupGlobals.frameWindow = m_hwnd;
    CreatePages();
    return TRUE;
}

void CSetupWizardDlg::FillSlot(int slot, CWizardPage* page) {
    delete m_pages[slot];
    m_pages[slot] = page;
    page->Create();
}

void CSetupWizardDlg::CreatePages() {
    m_current = 0;
    for (CWizardPage*& page : m_pages) page = NULL;
    if (m_mode == MODE_INSTALL) {
        FillSlot(0, new CWelcomePage(m_hwnd));
        FillSlot(1, new CLicensePage(m_hwnd));
        m_pages[0]->Show(SW_SHOW);
        m_pages[1]->Show(SW_HIDE);
    } else {
        FillSlot(0, new CMaintenancePage(m_hwnd));
        m_pages[0]->Show(SW_SHOW);
    }
}

void CSetupWizardDlg::ShowSlot(int slot) {
    if (m_pages[m_current]) m_pages[m_current]->Show(SW_HIDE);
    m_pages[slot]->Show(SW_SHOW);
    m_current = slot;
}

LRESULT CSetupWizardDlg::OnWizardCommand(WPARAM command, LPARAM lParam) {
    int argument = static_cast<short>(LOWORD(lParam));
    switch (command) {
    case CMD_NAVIGATE: {
        int target = argument == NAV_BACK ? m_current - 1 : argument == NAV_NEXT ? m_current + 1 : -1;
        if (target >= 0 && target < SLOT_COUNT && m_pages[target]) ShowSlot(target);
        break;
    }
    case CMD_SHOW_FINISH:
        SetupGlobals.g_closeConfirm = false;
        if (m_pages[SLOT_FINISH]) break;  // never sent twice; a repeat is ignored
        FillSlot(SLOT_FINISH, new CFinishPage(m_hwnd, argument));
        ShowSlot(SLOT_FINISH);
        break;
    case CMD_SHOW_PROGRESS:
        if (m_pages[SLOT_PROGRESS]) break;
        FillSlot(SLOT_PROGRESS, new CProgressPage(m_hwnd, argument));
        ShowSlot(SLOT_PROGRESS);
        break;
    default:
        break;
    }
    return 0;
}

bool CSetupWizardDlg::OnClose() {
    if (!SetupGlobals.g_closeConfirm) return false;
    char caption[LANG_TEXT_SIZE], text[LANG_TEXT_SIZE];
    LoadLangString("MAIN", "DIALOG_TITLE", caption, sizeof(caption));
    LoadLangString("MSG", "8", text, sizeof(text));
    return MessageBoxA(m_hwnd, text, caption, MB_YESNO | MB_ICONQUESTION) == IDNO;
}

bool CSetupWizardDlg::OnPaint() {
    if (!IsIconic(m_hwnd)) return false;
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(m_hwnd, &paint);
    SendMessageA(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    RECT client;
    GetClientRect(m_hwnd, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(hdc, x, y, m_hIcon);
    EndPaint(m_hwnd, &paint);
    return true;
}

bool CSetupWizardDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (message) {
    case WM_NULL:
        *result = OnWizardCommand(wParam, lParam);
        return true;
    case WM_CLOSE:
        return OnClose();  // not swallowed: the dialog manager turns it into IDCANCEL
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    default:
        return false;
    }
}

void CSetupWizardDlg::OnCancel() {
    EndModal(IDCANCEL);
}

HWND CSetupWizardDlg::ActiveChildDialog() const {
    return m_pages[m_current] ? m_pages[m_current]->Handle() : NULL;
}
