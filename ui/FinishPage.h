// The last page of every operation: the result, and Close.
#pragma once
#include "ui/WizardPage.h"

class CFinishPage : public CWizardPage {
public:
    CFinishPage(HWND parent, int operation);

protected:
    BOOL OnInitDialog() override;
    void BannerTitle(char* out, std::size_t outSize) override;
    void OnButton(int id) override;

private:
    int m_operation;
};
