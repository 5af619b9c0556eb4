#include "ui/MaintenancePage.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "res/resource.h"
#include "ui/Operation.h"

CMaintenancePage::CMaintenancePage(HWND parent) : CWizardPage(IDD_MAINTENANCE_PAGE, parent) {}

BOOL CMaintenancePage::OnInitDialog() {
    ApplyPageLayout(IDC_FINISH, LoadLangString("STR", "10"));
    CheckRadioButton(m_hwnd, IDC_RADIO_FIRST, IDC_RADIO_SECOND, IDC_RADIO_FIRST);
    std::string product = LoadLangString("MAIN", "PRODUCT_NAME");
    SetItemText(IDC_TEXT_FIRST, FormatWithProduct(LoadLangString("STRS", "8"), product));
    SetItemText(IDC_RADIO_FIRST, FormatWithProduct(LoadLangString("STR", "11"), product));
    SetItemText(IDC_RADIO_SECOND, FormatWithProduct(LoadLangString("STR", "12"), product));
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 40);
    PlaceItem(IDC_RADIO_FIRST, 23, 148, 457, 15);
    PlaceItem(IDC_RADIO_SECOND, 23, 173, 457, 15);
    return TRUE;
}

std::string CMaintenancePage::BannerTitle() {
    return LoadProductFormattedString("TITLE", "1");
}

void CMaintenancePage::OnButton(int id) {
    if (id == IDC_FINISH) OnFinish();
}

void CMaintenancePage::OnFinish() {
    if (IsItemChecked(IDC_RADIO_FIRST)) {
        StartOperation(OP_REPAIR, RepairWorker);
        return;
    }
    std::string text = LoadProductFormattedString("MSG", "9");
    std::string caption = LoadLangString("MAIN", "DIALOG_TITLE");
    if (MessageBoxA(m_hwnd, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDNO)
        StartOperation(OP_UNINSTALL, UninstallWorker);
}
