#include "ui/LicensePage.h"
#include "base/SetupGlobals.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "ui/Operation.h"

CLicensePage::CLicensePage(HWND parent) : CWizardPage(IDD_LICENSE_PAGE, parent) {}

BOOL CLicensePage::OnInitDialog() {
    ApplyPageLayout(IDC_NEXT, LoadLangString("STR", "3"));
    SetItemText(IDC_TEXT_FIRST, LoadLangString("STRS", "3"));
    SetItemText(IDC_RADIO_FIRST, LoadLangString("STR", "4"));
    SetItemText(IDC_RADIO_SECOND, LoadLangString("STR", "5"));
    ShowLicenseText();
    PlaceItem(IDC_TEXT_FIRST, 15, 85, 467, 40);
    PlaceItem(IDC_LICENSE_TEXT, 20, 135, 457, 160);
    PlaceItem(IDC_RADIO_FIRST, 20, 305, 190, 15);
    PlaceItem(IDC_RADIO_SECOND, 210, 305, 190, 15);
    return TRUE;
}

void CLicensePage::ShowLicenseText() {
    HMODULE self = GetModuleHandleA(NULL);
    HRSRC info = FindResourceA(self, MAKEINTRESOURCEA(IDR_LICENSE_BASE + SetupGlobals.langIndex),
                               MAKEINTRESOURCEA(10));
    HGLOBAL handle = info ? LoadResource(self, info) : NULL;
    const char* bytes = handle ? static_cast<const char*>(LockResource(handle)) : NULL;
    if (!bytes) return;
    // The resource carries no terminating zero: its size is the text's length.
    std::string text(bytes, SizeofResource(self, info));
    SetWindowTextA(Item(IDC_LICENSE_TEXT), text.c_str());
}

std::string CLicensePage::BannerTitle() {
    return LoadLangString("TITLE", "2");
}

void CLicensePage::OnButton(int id) {
    switch (id) {
    case IDC_BACK: SendWizardCommand(CMD_NAVIGATE, NAV_BACK); break;
    case IDC_NEXT: OnNext(); break;
    case IDC_RADIO_FIRST:
    case IDC_RADIO_SECOND: OnRadioClicked(); break;
    default: break;
    }
}

void CLicensePage::OnRadioClicked() {
    EnableItem(IDC_NEXT, IsItemChecked(IDC_RADIO_SECOND));
}

void CLicensePage::OnNext() {
    if (IsItemChecked(IDC_RADIO_SECOND)) StartOperation(OP_INSTALL, InstallWorker);
}
