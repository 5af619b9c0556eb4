// Common base of the wizard pages: layout of the button row, banner painting, and the
// default-accept and cancel answers.
#pragma once
#include "ui/Dialog.h"
#include <string>

class CWizardPage : public CModelessDialog {
public:
    CWizardPage(UINT templateId, HWND parent) : CModelessDialog(templateId), m_parent(parent) {}
    bool Create() { return CModelessDialog::Create(m_parent); }

protected:
    // Page place and size, button captions, separators and button row.
    void ApplyPageLayout(int forwardId, const std::string& forwardCaption);
    virtual std::string BannerTitle() = 0;
    // Clicked or double-clicked button other than Cancel.
    virtual void OnButton(int id) { (void)id; }

    void OnOK() override {}
    void OnCancel() override;
    bool OnCommand(int id, int notifyCode) override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnPaint();

    HWND m_parent;
};

// Paints banner bitmap bitmapId and title into hdc; false when the bitmap cannot be loaded.
bool DrawPageBanner(HDC hdc, UINT bitmapId, const char* title);
