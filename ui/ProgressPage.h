// The page that holds the progress bar while a worker runs.
#pragma once
#include "ui/WizardPage.h"

class CProgressPage : public CWizardPage {
public:
    CProgressPage(HWND parent, int operation);

protected:
    BOOL OnInitDialog() override;
    void BannerTitle(char* out, std::size_t outSize) override;

private:
    int m_operation;
};
