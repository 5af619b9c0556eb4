#include "app/SetupApp.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "engine/PayloadCatalog.h"
#include "base/SystemLibraries.h"
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

// The start-up box: MSG text `key`, captioned with the application's name; false, for the
// start-up to return.
bool ShowStartupError(const char* key) {
    char text[LANG_TEXT_SIZE], name[SETUP_PATH_SIZE];
    LoadLangString("MSG", key, text, sizeof(text));
    GetApplicationName(name);
    MessageBoxA(NULL, text, name, MB_ICONHAND);
    return false;
}

// riched32 (the licence page's "RICHEDIT" control) is loaded at start with the others.
void PrepareDialogEnvironment() {
    // The progress bar; Windows 95 has no Ex variant.
    if (auto initControls = SYSTEM_FUNCTION(InitCommonControls)) initControls();
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
    SetupGlobals.langIndex = SelectLanguageIndex();
    // A damaged download is refused before anything is written. The check comes before the
    // single-instance guard, so that a damaged copy whose box is up does not hold the guard's
    // name: the fresh download the user starts next would otherwise end silently.
    if (!ResourcesIntact()) return ShowStartupError("10");
    if (IsAlreadyRunning(SETUP_MUTEX_NAME)) return false;

    SetupGlobals.osClass = ClassifyWindowsVersion();

    if (SetupGlobals.osClass < OS_NT_NEWER && !WriteDriverFiles()) return ShowStartupError("6");

    SetupGlobals.installedState = GetInstalledState();
    int mode = SetupGlobals.installedState == INSTALLED_SAME ? MODE_MAINTENANCE : MODE_INSTALL;

    CSetupWizardDlg wizard(mode, NULL);
    wizard.DoModal();
    return false;
}
