#include "ui/WelcomePage.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "base/WizardCommand.h"

CWelcomePage::CWelcomePage(HWND parent) : CWizardPage(IDD_WELCOME_PAGE, parent) {}

BOOL CWelcomePage::OnInitDialog() {
    ApplyPageLayout(IDC_NEXT, LoadLangString("STR", "3"));
    SetItemText(IDC_TEXT_FIRST, LoadProductFormattedString("STRS", "1"));
    SetItemText(IDC_TEXT_SECOND, LoadLangString("STRS", "2"));
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 40);
    PlaceItem(IDC_TEXT_SECOND, 15, 245, 467, 80);
    return TRUE;
}

std::string CWelcomePage::BannerTitle() {
    return LoadProductFormattedString("TITLE", "1");
}

void CWelcomePage::OnButton(int id) {
    if (id == IDC_NEXT) SendWizardCommand(CMD_NAVIGATE, NAV_NEXT);
}
