#include "app/SetupApp.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "engine/PayloadCatalog.h"
#include "base/SystemPaths.h"
#include "base/PathText.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include "registry/ProductRecord.h"
#include "ui/SetupWizardDlg.h"
#include <commctrl.h>

namespace {
// The executable's file name without folder and extension, into a SETUP_PATH_SIZE buffer.
void GetApplicationName(char* name) {
    char path[SETUP_PATH_SIZE] = {0};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    const char* start = path;
    const char* end = NULL;
    for (const char* p = path; *p; p = CharNextA(p)) {  // a trail byte can be 0x5C
        if (*p == '\\' || *p == '/') {
            start = p + 1;
            end = NULL;
        } else if (*p == '.') {
            end = p;
        }
    }
    std::size_t length = end ? static_cast<std::size_t>(end - start) : lstrlenA(start);
    CopyMemory(name, start, length);
    name[length] = '\0';
}

void PrepareDialogEnvironment() {
    LoadLibraryA("riched32.dll");  // the licence page's "RICHEDIT" control
    InitCommonControls();          // the progress bar; Windows 95 has no Ex variant
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
        char path[SETUP_PATH_SIZE];
        if (!BuildSystemFilePath(path, sizeof(path), g_driverFiles[row])) return false;
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
        char text[LANG_TEXT_SIZE], name[SETUP_PATH_SIZE];
        LoadLangString("MSG", "6", text, sizeof(text));
        GetApplicationName(name);
        MessageBoxA(NULL, text, name, MB_ICONHAND);
        return false;
    }

    SetupGlobals.installedState = GetInstalledState();
    int mode = SetupGlobals.installedState == INSTALLED_SAME ? MODE_MAINTENANCE : MODE_INSTALL;

    CSetupWizardDlg wizard(mode, NULL);
    wizard.DoModal();
    return false;
}
