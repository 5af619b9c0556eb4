// Common base of the wizard pages: layout of the button row, banner painting, and the
// default-accept and cancel answers.
#pragma once
#include "ui/Dialog.h"
#include <cstddef>

class CWizardPage : public CModelessDialog {
public:
    CWizardPage(UINT templateId, HWND parent) : CModelessDialog(templateId), m_parent(parent) {}
    bool Create() { return CModelessDialog::Create(m_parent); }

protected:
    // Page place and size, button captions (the forward one from STR/forwardKey),
    // separators and button row.
    void ApplyPageLayout(int forwardId, const char* forwardKey);
    // Text of a control from the language file, plain or with the product name put in.
    void SetItemLangText(int id, const char* section, const char* key) const;
    void SetItemProductText(int id, const char* section, const char* key) const;
    // Title of the banner into out (outSize bytes); read at every paint.
    virtual void BannerTitle(char* out, std::size_t outSize) = 0;
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
