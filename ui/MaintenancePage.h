// Maintenance mode: repair or uninstall the installed version.
#pragma once
#include "ui/WizardPage.h"

class CMaintenancePage : public CWizardPage {
public:
    explicit CMaintenancePage(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void BannerTitle(char* out, std::size_t outSize) override;
    void OnButton(int id) override;

private:
    void OnFinish();
};
