#include "ui/ProgressPage.h"
#include "base/SetupGlobals.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "base/WizardCommand.h"

CProgressPage::CProgressPage(HWND parent, int operation)
    : CWizardPage(IDD_PROGRESS_PAGE, parent), m_operation(operation) {}

BOOL CProgressPage::OnInitDialog() {
    ApplyPageLayout(IDC_FINISH, m_operation == OP_INSTALL ? "3" : "10");
    SetupGlobals.progressControl = Item(IDC_PROGRESS_BAR);
    SetItemLangText(IDC_TEXT_FIRST, "STRS", "5");
    PlaceItem(IDC_TEXT_FIRST, 20, 120, 457, 15);
    PlaceItem(IDC_PROGRESS_BAR, 20, 135, 457, 20);
    return TRUE;
}

void CProgressPage::BannerTitle(char* out, std::size_t outSize) {
    const char* key = m_operation == OP_INSTALL ? "4" : m_operation == OP_REPAIR ? "5" : "6";
    LoadProductFormattedString("TITLE", key, out, outSize);
}
