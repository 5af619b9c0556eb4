#include "ui/WizardPage.h"
#include "base/SetupGlobals.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "res/resource.h"

namespace {
const int kPageWidth = 497, kPageHeight = 407;
const int kButtonTop = 342, kButtonWidth = 88, kButtonHeight = 25;
}  // namespace

void CWizardPage::SetItemLangText(int id, const char* section, const char* key) const {
    char text[LANG_TEXT_SIZE];
    LoadLangString(section, key, text, sizeof(text));
    SetItemText(id, text);
}

void CWizardPage::SetItemProductText(int id, const char* section, const char* key) const {
    char text[LANG_FORMATTED_SIZE];
    LoadProductFormattedString(section, key, text, sizeof(text));
    SetItemText(id, text);
}

void CWizardPage::ApplyPageLayout(int forwardId, const char* forwardKey) {
    char forwardCaption[LANG_TEXT_SIZE];
    LoadLangString("STR", forwardKey, forwardCaption, sizeof(forwardCaption));
    SetWindowPos(m_hwnd, NULL, 0, 0, kPageWidth, kPageHeight, 0);
    SetItemLangText(IDC_CANCEL_BUTTON, "STR", "1");
    SetItemLangText(IDC_BACK, "STR", "2");
    SetItemText(forwardId, forwardCaption);
    PlaceItem(IDC_LINE_TOP, 0, 70, kPageWidth, 2);
    PlaceItem(IDC_LINE_BOTTOM, 0, 330, kPageWidth, 2);
    PlaceItem(forwardId, 400, kButtonTop, kButtonWidth, kButtonHeight);
    PlaceItem(IDC_BACK, 304, kButtonTop, kButtonWidth, kButtonHeight);
    PlaceItem(IDC_CANCEL_BUTTON, 208, kButtonTop, kButtonWidth, kButtonHeight);
}

void CWizardPage::OnCancel() {
    SendMessageA(SetupGlobals.frameWindow, WM_CLOSE, 0, 0);
}

bool CWizardPage::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED && notifyCode != BN_DOUBLECLICKED) return false;
    if (id == IDC_CANCEL_BUTTON)
        OnCancel();
    else
        OnButton(id);
    return true;
}

bool CWizardPage::WindowProc(UINT message, WPARAM, LPARAM, LRESULT* result) {
    if (message != WM_PAINT) return false;
    OnPaint();
    *result = 0;
    return true;
}

void CWizardPage::OnPaint() {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(m_hwnd, &paint);
    char title[LANG_FORMATTED_SIZE];
    BannerTitle(title, sizeof(title));
    DrawPageBanner(hdc, IDB_BANNER, title);
    SetFocus(m_hwnd);
    EndPaint(m_hwnd, &paint);
}
