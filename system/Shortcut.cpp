#include "system/Shortcut.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "base/DirectoryPath.h"
#include "base/PayloadNames.h"
#include "base/PathText.h"
#include "base/SystemLibraries.h"
#include "base/SystemPaths.h"
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {
const UINT kNotifyFlags = SHCNF_PATHA | SHCNF_FLUSH;

int ProgramsFolderCsidl() {
    return SetupGlobals.osClass < OS_NT_NEWER ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS;
}

int LangRow() {
    int row = SetupGlobals.langIndex;
    return (row >= 0 && row < 3) ? row : 2;
}

// Programs folder + the product folder of the current language.
bool BuildProductFolder(char* out, std::size_t outSize) {
    char programs[SETUP_PATH_SIZE];
    if (!GetShellFolderPath(ProgramsFolderCsidl(), programs, sizeof(programs))) return false;
    return JoinPath(out, outSize, programs, ShortcutFolderNames[LangRow()]);
}

// The one entry of the shortcut list: the help file in the IME folder.
const char* HelpFileName() {
    return g_payloadFiles[1];
}
}  // namespace

void NotifyShellPath(long event, const char* path) {
    auto notify = SYSTEM_FUNCTION(SHChangeNotify);
    if (!notify) return;
    notify(event, kNotifyFlags, path, NULL);
    char parent[SETUP_PATH_SIZE];
    GetParentDirectory(path, parent, sizeof(parent), IsDBCSLeadByte);
    notify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, kNotifyFlags, parent, NULL);
}

int GetShellFolderPath(int csidl, char* out, std::size_t outSize) {
    if (outSize < MAX_PATH) return 0;  // the shell writes up to MAX_PATH bytes
    out[0] = '\0';
    // The list comes from the shell's allocator; Windows 95 has no CoTaskMemFree without OLE.
    auto getMalloc = SYSTEM_FUNCTION(SHGetMalloc);
    auto getLocation = SYSTEM_FUNCTION(SHGetSpecialFolderLocation);
    auto getPath = SYSTEM_FUNCTION(SHGetPathFromIDListA);
    IMalloc* allocator = NULL;
    if (!getMalloc || !getLocation || !getPath || getMalloc(&allocator) != S_OK) return 0;
    LPITEMIDLIST list = NULL;
    BOOL ok = FALSE;
    if (getLocation(NULL, csidl, &list) == S_OK) {
        ok = getPath(list, out);
        allocator->Free(list);
    }
    allocator->Release();
    return ok ? 1 : 0;
}

int CreateShellFolder(const char* path) {
    if (!CreateDirectoryPath(path)) return 0;
    NotifyShellPath(SHCNE_MKDIR | SHCNE_INTERRUPT, path);
    return 1;
}

int CreateShellLink(const char* target, const char* linkPath) {
    auto createInstance = SYSTEM_FUNCTION(CoCreateInstance);
    IShellLinkA* link = NULL;
    if (!createInstance || FAILED(createInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                                 reinterpret_cast<void**>(&link))))
        return 0;
    link->SetPath(target);
    char workingDirectory[SETUP_PATH_SIZE];
    GetParentDirectory(target, workingDirectory, sizeof(workingDirectory), IsDBCSLeadByte);
    link->SetWorkingDirectory(workingDirectory);

    IPersistFile* file = NULL;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return 0;
    }
    WCHAR wide[SETUP_PATH_SIZE] = {0};
    MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, SETUP_PATH_SIZE);
    HRESULT saved = file->Save(wide, 2);
    file->Release();
    link->Release();
    if (saved != S_OK) return 0;
    NotifyShellPath(SHCNE_CREATE | SHCNE_INTERRUPT, linkPath);
    return 1;
}

int CreateProgramShortcut() {
    if (SetupGlobals.osClass == OS_UNKNOWN) return 0;
    auto initialize = SYSTEM_FUNCTION(CoInitialize);
    auto uninitialize = SYSTEM_FUNCTION(CoUninitialize);
    if (!initialize || !uninitialize || initialize(NULL) != S_OK) return 0;
    int result = 0;
    char folder[SETUP_PATH_SIZE], target[SETUP_PATH_SIZE], link[SETUP_PATH_SIZE];
    if (BuildProductFolder(folder, sizeof(folder)) && CreateShellFolder(folder) &&
        BuildImeFolderPath(target, sizeof(target), HelpFileName()) &&
        JoinPath(link, sizeof(link), folder, ShortcutLinkNames[LangRow()]))
        result = CreateShellLink(target, link);
    uninitialize();
    return result;
}

int RemoveProgramShortcut() {
    if (SetupGlobals.osClass == OS_UNKNOWN) return 0;
    char folder[SETUP_PATH_SIZE], link[SETUP_PATH_SIZE];
    if (!BuildProductFolder(folder, sizeof(folder))) return 0;
    if (!JoinPath(link, sizeof(link), folder, ShortcutLinkNames[LangRow()])) return 0;
    if (!DeleteFileA(link)) return 0;
    RemoveDirectoryA(folder);  // stays when the user put other files into it
    return 1;
}
