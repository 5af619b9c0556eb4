#include "app/SetupApp.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "engine/PayloadCatalog.h"
#include "base/SystemPaths.h"
#include "lang/LangFile.h"
#include "registry/ProductRecord.h"
#include "ui/SetupWizardDlg.h"
#include <commctrl.h>
#include <string>

namespace {
// The executable's file name without folder and extension.
std::string ApplicationName() {
    char path[MAX_PATH + 1] = {0};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string name(path);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

void PrepareDialogEnvironment() {
    LoadLibraryA("riched32.dll");  // the licence page's "RICHEDIT" control
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}
}  // namespace

bool IsAlreadyRunning(const char* name) {
    HANDLE mutex = CreateMutexA(NULL, TRUE, name);
    DWORD error = GetLastError();
    if (mutex) ReleaseMutex(mutex);
    // The handle is never closed: the name stays registered while this instance runs.
    return error == ERROR_ALREADY_EXISTS;
}

bool WriteDriverFiles() {
    for (int row = 0; row < DRIVER_FILE_COUNT; ++row) {
        char path[MAX_PATH + 1];
        if (!BuildSystemFilePath(path, g_driverFiles[row])) return false;
        if (!WriteResourceToFile(path, DriverResourceNumber(row))) return false;
    }
    return true;
}

bool CSetupApp::InitInstance() {
    PrepareDialogEnvironment();
    if (IsAlreadyRunning(SETUP_MUTEX_NAME)) return false;

    SetupGlobals.langIndex = SelectLanguageIndex();
    SetupGlobals.osClass = ClassifyWindowsVersion();

    if (SetupGlobals.osClass < OS_NT_NEWER && !WriteDriverFiles()) {
        MessageBoxA(NULL, LoadLangString("MSG", "6").c_str(), ApplicationName().c_str(), MB_ICONHAND);
        return false;
    }

    SetupGlobals.installedState = GetInstalledState();
    int mode = SetupGlobals.installedState == INSTALLED_SAME ? MODE_MAINTENANCE : MODE_INSTALL;

    CSetupWizardDlg wizard(mode, NULL);
    wizard.DoModal();
    return false;
}
