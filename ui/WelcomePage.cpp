#include "ui/WelcomePage.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "base/WizardCommand.h"

CWelcomePage::CWelcomePage(HWND parent) : CWizardPage(IDD_WELCOME_PAGE, parent) {}

BOOL CWelcomePage::OnInitDialog() {
    ApplyPageLayout(IDC_NEXT, "3");
    SetItemProductText(IDC_TEXT_FIRST, "STRS", "1");
    SetItemLangText(IDC_TEXT_SECOND, "STRS", "2");
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 40);
    PlaceItem(IDC_TEXT_SECOND, 15, 245, 467, 80);
    return TRUE;
}

void CWelcomePage::BannerTitle(char* out, std::size_t outSize) {
    LoadProductFormattedString("TITLE", "1", out, outSize);
}

void CWelcomePage::OnButton(int id) {
    if (id == IDC_NEXT) SendWizardCommand(CMD_NAVIGATE, NAV_NEXT);
}
