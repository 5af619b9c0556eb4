#include "ui/FinishPage.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "base/WizardCommand.h"

CFinishPage::CFinishPage(HWND parent, int operation)
    : CWizardPage(IDD_FINISH_PAGE, parent), m_operation(operation) {}

BOOL CFinishPage::OnInitDialog() {
    ApplyPageLayout(IDC_CLOSE, "9");
    const char* key = m_operation == OP_INSTALL ? "6" : m_operation == OP_REPAIR ? "9" : "10";
    SetItemProductText(IDC_TEXT_FIRST, "STRS", key);
    SetItemLangText(IDC_TEXT_SECOND, "STRS", "7");
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 15);
    PlaceItem(IDC_TEXT_SECOND, 15, 110, 467, 15);
    return TRUE;
}

void CFinishPage::BannerTitle(char* out, std::size_t outSize) {
    LoadLangString("TITLE", "7", out, outSize);
}

void CFinishPage::OnButton(int id) {
    if (id == IDC_CLOSE) OnCancel();
}
