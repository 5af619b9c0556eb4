// Install mode, first page: two greeting texts.
#pragma once
#include "ui/WizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    explicit CWelcomePage(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void BannerTitle(char* out, std::size_t outSize) override;
    void OnButton(int id) override;
};
