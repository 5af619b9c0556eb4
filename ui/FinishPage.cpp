#include "ui/FinishPage.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "base/WizardCommand.h"

CFinishPage::CFinishPage(HWND parent, int operation)
    : CWizardPage(IDD_FINISH_PAGE, parent), m_operation(operation) {}

BOOL CFinishPage::OnInitDialog() {
    ApplyPageLayout(IDC_CLOSE, LoadLangString("STR", "9"));
    const char* key = m_operation == OP_INSTALL ? "6" : m_operation == OP_REPAIR ? "9" : "10";
    SetItemText(IDC_TEXT_FIRST, LoadProductFormattedString("STRS", key));
    SetItemText(IDC_TEXT_SECOND, LoadLangString("STRS", "7"));
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 15);
    PlaceItem(IDC_TEXT_SECOND, 15, 110, 467, 15);
    return TRUE;
}

std::string CFinishPage::BannerTitle() {
    return LoadLangString("TITLE", "7");
}

void CFinishPage::OnButton(int id) {
    if (id == IDC_CLOSE) OnCancel();
}
