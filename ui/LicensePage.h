// Install mode, second page: the licence agreement, accepted before Next starts the install.
#pragma once
#include "ui/WizardPage.h"

class CLicensePage : public CWizardPage {
public:
    explicit CLicensePage(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void BannerTitle(char* out, std::size_t outSize) override;
    void OnButton(int id) override;

private:
    void ShowLicenseText();
    void OnRadioClicked();
    void OnNext();
};
