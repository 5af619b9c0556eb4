#include "ui/LicensePage.h"
#include "base/SetupGlobals.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "res/resource.h"
#include "ui/Operation.h"

CLicensePage::CLicensePage(HWND parent) : CWizardPage(IDD_LICENSE_PAGE, parent) {}

BOOL CLicensePage::OnInitDialog() {
    ApplyPageLayout(IDC_NEXT, "3");
    SetItemLangText(IDC_TEXT_FIRST, "STRS", "3");
    SetItemLangText(IDC_RADIO_FIRST, "STR", "4");
    SetItemLangText(IDC_RADIO_SECOND, "STR", "5");
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
    DWORD size = SizeofResource(self, info);
    HANDLE heap = GetProcessHeap();
    char* text = static_cast<char*>(HeapAlloc(heap, 0, size + 1));
    if (!text) return;
    CopyMemory(text, bytes, size);
    text[size] = '\0';
    SetWindowTextA(Item(IDC_LICENSE_TEXT), text);
    HeapFree(heap, 0, text);
}

void CLicensePage::BannerTitle(char* out, std::size_t outSize) {
    LoadLangString("TITLE", "2", out, outSize);
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
