#include "ui/MaintenancePage.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "res/resource.h"
#include "ui/Operation.h"

CMaintenancePage::CMaintenancePage(HWND parent) : CWizardPage(IDD_MAINTENANCE_PAGE, parent) {}

BOOL CMaintenancePage::OnInitDialog() {
    ApplyPageLayout(IDC_FINISH, "10");
    CheckRadioButton(m_hwnd, IDC_RADIO_FIRST, IDC_RADIO_SECOND, IDC_RADIO_FIRST);
    SetItemProductText(IDC_TEXT_FIRST, "STRS", "8");
    SetItemProductText(IDC_RADIO_FIRST, "STR", "11");
    SetItemProductText(IDC_RADIO_SECOND, "STR", "12");
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 40);
    PlaceItem(IDC_RADIO_FIRST, 23, 148, 457, 15);
    PlaceItem(IDC_RADIO_SECOND, 23, 173, 457, 15);
    return TRUE;
}

void CMaintenancePage::BannerTitle(char* out, std::size_t outSize) {
    LoadProductFormattedString("TITLE", "1", out, outSize);
}

void CMaintenancePage::OnButton(int id) {
    if (id == IDC_FINISH) OnFinish();
}

void CMaintenancePage::OnFinish() {
    if (IsItemChecked(IDC_RADIO_FIRST)) {
        StartOperation(OP_REPAIR, RepairWorker);
        return;
    }
    char text[LANG_FORMATTED_SIZE], caption[LANG_TEXT_SIZE];
    LoadProductFormattedString("MSG", "9", text, sizeof(text));
    LoadLangString("MAIN", "DIALOG_TITLE", caption, sizeof(caption));
    if (MessageBoxA(m_hwnd, text, caption, MB_YESNO | MB_ICONQUESTION) != IDNO)
        StartOperation(OP_UNINSTALL, UninstallWorker);
}
