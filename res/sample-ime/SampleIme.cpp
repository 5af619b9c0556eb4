// Stand-in input method for the sample payload: a real IME module that the input-method
// manager loads and selects, but that converts nothing, so every key reaches the program.
// It links no C runtime and imports only user32 functions that Windows 95 has; the NT 5
// build (SAMPLE_IME_UNICODE) speaks the manager's Unicode interface, the 9x build ANSI.
#include <windows.h>
#include <imm.h>

extern "C" {

// The IME side of the manager's interface, which no mingw-w64 header declares.
struct SampleImeInfo {
    DWORD dwPrivateDataSize;
    DWORD fdwProperty;
    DWORD fdwConversionCaps;
    DWORD fdwSentenceCaps;
    DWORD fdwUICaps;
    DWORD fdwSCSCaps;
    DWORD fdwSelectCaps;
};

enum : DWORD {
    PROP_KBD_CHAR_FIRST = 0x00000002,
    PROP_IGNORE_UPKEYS = 0x00000004,
    // No IME_PROP_END_UNLOAD: the module stays loaded once the manager has asked for it.
    PROP_SAMPLE = IME_PROP_AT_CARET | PROP_KBD_CHAR_FIRST | PROP_IGNORE_UPKEYS
#ifdef SAMPLE_IME_UNICODE
                  | IME_PROP_UNICODE
#endif
};

#ifdef SAMPLE_IME_UNICODE
typedef WCHAR ImeChar;
static const WCHAR kUiClass[] = L"ZkV4IviSampleUI";
#else
typedef char ImeChar;
static const char kUiClass[] = "ZkV4IviSampleUI";
#endif
static const char kUiClassA[] = "ZkV4IviSampleUI";  // at most 16 characters

static HINSTANCE g_module;

// The UI window shows nothing; the IME_ messages are the IME's own and must not reach
// DefWindowProc, which would hand them back to the manager.
static LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_SETCONTEXT:
    case WM_IME_NOTIFY:
    case WM_IME_CONTROL:
    case WM_IME_COMPOSITIONFULL:
    case WM_IME_SELECT:
    case WM_IME_CHAR:
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

static void RegisterUiClass() {
    WNDCLASSEXA uiClass;
    char* bytes = reinterpret_cast<char*>(&uiClass);
    for (unsigned i = 0; i < sizeof(uiClass); ++i) bytes[i] = 0;
    uiClass.cbSize = sizeof(uiClass);
    uiClass.style = CS_IME;
    uiClass.lpfnWndProc = UiWindowProc;
    uiClass.cbWndExtra = 2 * sizeof(LONG_PTR);  // the manager's IMMGWL_IMC and IMMGWL_PRIVATE
    uiClass.hInstance = g_module;
    uiClass.lpszClassName = kUiClassA;
    RegisterClassExA(&uiClass);
}

BOOL WINAPI SampleImeEntry(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        RegisterUiClass();
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterClassA(kUiClassA, g_module);
    }
    return TRUE;
}

BOOL WINAPI ImeInquire(SampleImeInfo* info, ImeChar* uiClass, DWORD) {
    if (!info || !uiClass) return FALSE;
    info->dwPrivateDataSize = 0;
    info->fdwProperty = PROP_SAMPLE;
    info->fdwConversionCaps = IME_CMODE_NATIVE;
    info->fdwSentenceCaps = 0;
    info->fdwUICaps = 0;
    info->fdwSCSCaps = 0;
    info->fdwSelectCaps = 0;
    for (unsigned i = 0; i < sizeof(kUiClass) / sizeof(kUiClass[0]); ++i) uiClass[i] = kUiClass[i];
    return TRUE;
}

BOOL WINAPI ImeConfigure(HKL, HWND, DWORD, LPVOID) { return FALSE; }
DWORD WINAPI ImeConversionList(HIMC, const ImeChar*, LPCANDIDATELIST, DWORD, UINT) { return 0; }
BOOL WINAPI ImeDestroy(UINT) { return TRUE; }
LRESULT WINAPI ImeEscape(HIMC, UINT, LPVOID) { return 0; }
BOOL WINAPI ImeProcessKey(HIMC, UINT, LPARAM, const BYTE*) { return FALSE; }  // never the IME's key
BOOL WINAPI ImeSelect(HIMC, BOOL) { return TRUE; }
BOOL WINAPI ImeSetActiveContext(HIMC, BOOL) { return TRUE; }
UINT WINAPI ImeToAsciiEx(UINT, UINT, const BYTE*, LPVOID, UINT, HIMC) { return 0; }
BOOL WINAPI NotifyIME(HIMC, DWORD, DWORD, DWORD) { return FALSE; }
BOOL WINAPI ImeRegisterWord(const ImeChar*, DWORD, const ImeChar*) { return FALSE; }
BOOL WINAPI ImeUnregisterWord(const ImeChar*, DWORD, const ImeChar*) { return FALSE; }
UINT WINAPI ImeGetRegisterWordStyle(UINT, LPVOID) { return 0; }
UINT WINAPI ImeEnumRegisterWord(LPVOID, const ImeChar*, DWORD, const ImeChar*, LPVOID) { return 0; }
BOOL WINAPI ImeSetCompositionString(HIMC, DWORD, LPCVOID, DWORD, LPCVOID, DWORD) { return FALSE; }
DWORD WINAPI ImeGetImeMenuItems(HIMC, DWORD, DWORD, LPVOID, LPVOID, DWORD) { return 0; }

}  // extern "C"
