// Maintenance mode: repair or uninstall the installed version.
#pragma once
#include "ui/WizardPage.h"

class CMaintenancePage : public CWizardPage {
public:
    explicit CMaintenancePage(HWND parent);

protected:
    BOOL OnInitDialog() override;
    std::string BannerTitle() override;
    void OnButton(int id) override;

private:
    void OnFinish();
};
