#include "engine/WorkerSupport.h"
#include "base/SetupGlobals.h"
#include "engine/Workers.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include <commctrl.h>

void SetProgressRange(int maximum) {
    SendMessageA(SetupGlobals.progressControl, PBM_SETRANGE, 0, MAKELPARAM(0, maximum));
    SendMessageA(SetupGlobals.progressControl, PBM_SETSTEP, PROGRESS_STEP, 0);
}

void SetProgressPosition(int position) {
    SendMessageA(SetupGlobals.progressControl, PBM_SETPOS, position, 0);
}

void AdvanceProgress() {
    LRESULT position = SendMessageA(SetupGlobals.progressControl, PBM_GETPOS, 0, 0);
    SetProgressPosition(static_cast<int>(position) + PROGRESS_STEP);
}

unsigned long FailWorker(const char* messageKey) {
    char text[LANG_TEXT_SIZE], caption[LANG_TEXT_SIZE];
    LoadLangString("MSG", messageKey, text, sizeof(text));
    LoadLangString("MAIN", "DIALOG_TITLE", caption, sizeof(caption));
    MessageBoxA(SetupGlobals.progressControl, text, caption, MB_OK | MB_ICONHAND);
    SetupGlobals.g_closeConfirm = false;
    SendMessageA(SetupGlobals.frameWindow, WM_CLOSE, 0, 0);
    return 0;
}
