// The system DLLs that Setup.exe uses beyond kernel32, user32, gdi32 and advapi32. They are
// loaded by their full path in the system directory, never by bare name: Windows searches
// the program's own folder (a download folder) first for every DLL that is not a known DLL.
#pragma once
#include <windows.h>

// One slot per function, in the order of the name table in SystemLibraries.cpp.
enum SystemFunctionId {
    SF_InitCommonControls,
    SF_ImmInstallIMEA,
    SF_CoCreateInstance, SF_CoInitialize, SF_CoUninitialize,
    SF_SHChangeNotify, SF_SHGetMalloc, SF_SHGetPathFromIDListA, SF_SHGetSpecialFolderLocation,
    SF_COUNT
};

// First thing at start: the DLL search is kept to the system directory where Windows can do
// that, and every DLL that Setup.exe or the system later asks for by name is loaded first
// by its full path, so that such a request finds the loaded one. Then LoadSystemLibraries.
void RestrictDllSearch();

// Loads the libraries and fills g_systemFunctions: a function's address, or NULL when its
// library or the function is missing. Programs that link the product's code call it once.
void LoadSystemLibraries();
extern FARPROC g_systemFunctions[SF_COUNT];

// The function `name` with its declared type; the caller includes the header declaring it.
#define SYSTEM_FUNCTION(name) \
    reinterpret_cast<decltype(&::name)>(reinterpret_cast<void*>(g_systemFunctions[SF_##name]))
