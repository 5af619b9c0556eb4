// Install mode, first page: two greeting texts.
#pragma once
#include "ui/WizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    explicit CWelcomePage(HWND parent);

protected:
    BOOL OnInitDialog() override;
    std::string BannerTitle() override;
    void OnButton(int id) override;
};
