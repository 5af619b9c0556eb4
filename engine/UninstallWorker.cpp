#include "engine/PayloadCatalog.h"
#include "base/PathText.h"
#include "base/SystemPaths.h"
#include "engine/WorkerSupport.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "registry/ProductRecord.h"
#include "system/ImeLayout.h"
#include "system/Shortcut.h"
#include "base/WizardCommand.h"
#include <windows.h>

bool DeleteFileIfPresent(const char* path) {
    if (DeleteFileA(path)) return true;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return true;  // nothing of that name: already gone
    FindClose(search);
    return false;
}

unsigned long __stdcall UninstallWorker(void*) {
    SetProgressRange(110);
    char path[SETUP_PATH_SIZE];

    for (int row = 0; row < PAYLOAD_FILE_COUNT; ++row) {
        bool built = row == 0 ? BuildSystemFilePath(path, sizeof(path), g_payloadFiles[row])
                              : BuildImeFolderPath(path, sizeof(path), g_payloadFiles[row]);
        if (!built || !DeleteFileIfPresent(path)) return FailWorker("6");
        AdvanceProgress();
    }
    for (int row = 0; row < DRIVER_FILE_COUNT; ++row) {
        if (!BuildSystemFilePath(path, sizeof(path), g_driverFiles[row]) || !DeleteFileIfPresent(path))
            return FailWorker("6");
        AdvanceProgress();
    }

    if (BuildImeFolderPath(path, sizeof(path), "")) RemoveDirectoryA(path);  // stays when foreign files remain
    AdvanceProgress();

    RemoveImeLayout(HKEY_LOCAL_MACHINE);
    DeleteProductKey();
    AdvanceProgress();

    RemoveProgramShortcut();
    SetProgressPosition(110);
    SendWizardCommand(CMD_SHOW_FINISH, OP_UNINSTALL);
    return 1;
}
