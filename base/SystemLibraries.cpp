#include "base/SystemLibraries.h"
#include "base/PathText.h"
#include "base/SystemPaths.h"

namespace {
// Each library's name (LoadLibrary adds ".dll"), then the names of its functions in
// SystemFunctionId order, then an empty name. First the libraries that system DLLs load by
// bare name later, or import from a library loaded here (found with stand-ins beside the
// program): the theme library, comctl32's delayed msimg32, riched20's usp10, shell32's
// shlwapi and what that forwards to. Then Setup.exe's own, each after the libraries it
// imports; a missing file is skipped.
const char kLibraries[] =
    "uxtheme\0\0"
    "msimg32\0\0"
    "usp10\0\0"
    "shcore\0\0"
    "shlwapi\0\0"
    "comctl32\0InitCommonControls\0\0"
    "imm32\0ImmInstallIMEA\0\0"
    "riched20\0\0"
    "riched32\0\0"
    "ole32\0CoCreateInstance\0CoInitialize\0CoUninitialize\0\0"
    "shell32\0SHChangeNotify\0SHGetMalloc\0SHGetPathFromIDListA\0SHGetSpecialFolderLocation\0\0";

const char* NextName(const char* name) {
    return name + lstrlenA(name) + 1;
}
}  // namespace

FARPROC g_systemFunctions[SF_COUNT];

void LoadSystemLibraries() {
    FARPROC* slot = g_systemFunctions;
    for (const char* name = kLibraries; *name; ++name) {
        char path[SETUP_PATH_SIZE];
        HMODULE library = BuildSystemFilePath(path, sizeof(path), name) ? LoadLibraryA(path) : NULL;
        for (name = NextName(name); *name; name = NextName(name))
            *slot++ = library ? GetProcAddress(library, name) : NULL;
    }
}

void RestrictDllSearch() {
    typedef BOOL(WINAPI * SetSearchFn)(DWORD);
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof(version);
    // Windows 95 to XP lack the function. On Vista (6.0) the update that adds it made other
    // loads fail afterwards, so there the loads by full path below stand alone.
    if (GetVersionExA(&version) && (version.dwMajorVersion != 6 || version.dwMinorVersion != 0)) {
        SetSearchFn restrict = reinterpret_cast<SetSearchFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32"), "SetDefaultDllDirectories")));
        if (restrict) restrict(0x800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
    }
    LoadSystemLibraries();
}
