// The wizard frame: the only top-level window, holding the pages in six fixed slots.
#pragma once
#include "ui/Dialog.h"

class CWizardPage;

class CSetupWizardDlg : public CModalDialog {
public:
    enum { SLOT_COUNT = 6, SLOT_PROGRESS = 4, SLOT_FINISH = 5 };

    CSetupWizardDlg(int mode, HWND parent);
    ~CSetupWizardDlg() override;

protected:
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    HWND ActiveChildDialog() const override;

private:
    void CreatePages();
    LRESULT OnWizardCommand(WPARAM command, LPARAM lParam);
    bool OnClose();  // true when the close request is swallowed
    bool OnPaint();
    void ShowSlot(int slot);
    void FillSlot(int slot, CWizardPage* page);

    HICON m_hIcon;
    CWizardPage* m_pages[SLOT_COUNT];
    int m_current;
    int m_mode;
};
