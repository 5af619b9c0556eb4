#include "base/SetupGlobals.h"
#include "engine/PayloadCatalog.h"
#include "base/PathText.h"
#include "base/SystemPaths.h"
#include "engine/WorkerSupport.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "registry/ProductRecord.h"
#include "system/HexText.h"
#include "system/ImeLayout.h"
#include "system/Shortcut.h"
#include "base/WizardCommand.h"
#include <cstring>

namespace {
// The steps an install and a repair share; repair keeps Version and its own handle text.
unsigned long RunInstallSteps(bool repair) {
    const int finalPosition = repair ? 110 : 130;
    SetProgressRange(finalPosition);
    char path[SETUP_PATH_SIZE];

    if (BuildImeFolderPath(path, sizeof(path), "")) CreateDirectoryPath(path);
    SetProgressPosition(10);

    for (int row = 0; row < PAYLOAD_FILE_COUNT; ++row) {
        bool built = row == 0 ? BuildSystemFilePath(path, sizeof(path), g_payloadFiles[row])
                              : BuildImeFolderPath(path, sizeof(path), g_payloadFiles[row]);
        if (!built || !WriteResourceToFile(path, PayloadResourceNumber(row, SetupGlobals.osClass)))
            return FailWorker("6");
        AdvanceProgress();
    }

    RemoveImeLayout(HKEY_LOCAL_MACHINE);
    uint32_t handle = InstallImeLayout();
    if (handle == 0) return FailWorker("7");
    AdvanceProgress();

    char ownText[HANDLE_TEXT_SIZE];
    char* handleText = repair ? ownText : SetupGlobals.imeHklText;
    FormatHandleText(handle, handleText, HANDLE_TEXT_SIZE);
    WriteProductValue("ImeHKL", REG_SZ, handleText, static_cast<DWORD>(std::strlen(handleText) + 1));
    AdvanceProgress();

    if (!repair) {
        DWORD version = SETUP_VERSION;
        WriteProductValue("Version", REG_DWORD, &version, sizeof(version));
        AdvanceProgress();
    }

    CreateProgramShortcut();
    SetProgressPosition(finalPosition);
    SendWizardCommand(CMD_SHOW_FINISH, repair ? OP_REPAIR : OP_INSTALL);
    return 1;
}
}  // namespace

unsigned long __stdcall InstallWorker(void*) {
    return RunInstallSteps(false);
}

unsigned long __stdcall RepairWorker(void*) {
    return RunInstallSteps(true);
}
