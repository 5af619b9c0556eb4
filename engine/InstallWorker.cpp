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
unsigned RunInstallSteps(bool repair) {
    const int finalPosition = repair ? 110 : 130;
    SetProgressRange(finalPosition);
    std::string caption = LoadLangString("MAIN", "DIALOG_TITLE");
    char path[SETUP_MAX_PATH + 1];

    if (BuildImeFolderPath(path, "")) CreateDirectoryPath(path);
    SetProgressPosition(10);

    for (int row = 0; row < PAYLOAD_FILE_COUNT; ++row) {
        bool built = row == 0 ? BuildSystemFilePath(path, g_payloadFiles[row])
                              : BuildImeFolderPath(path, g_payloadFiles[row]);
        if (!built || !WriteResourceToFile(path, PayloadResourceNumber(row, SetupGlobals.osClass)))
            return FailWorker(LoadLangString("MSG", "6"), caption);
        AdvanceProgress();
    }

    RemoveImeLayout(HKEY_LOCAL_MACHINE);
    uint32_t handle = InstallImeLayout();
    if (handle == 0) return FailWorker(LoadLangString("MSG", "7"), caption);
    AdvanceProgress();

    char ownText[9];
    char* handleText = repair ? ownText : SetupGlobals.imeHklText;
    FormatHandleText(handle, handleText);
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

unsigned __stdcall InstallWorker(void*) {
    return RunInstallSteps(false);
}

unsigned __stdcall RepairWorker(void*) {
    return RunInstallSteps(true);
}
