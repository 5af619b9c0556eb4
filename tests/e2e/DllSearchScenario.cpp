// Setup.exe started from a download folder that also holds DLLs named like the system's: a
// whole installation, a repair and an uninstallation load none of them.
#include "driver/Check.h"
#include "driver/Flows.h"
#include <cstdlib>

using namespace e2e;

namespace {
// Every DLL that Setup.exe and the system's DLLs in it load in the three runs (measured with
// WINEDEBUG=+loaddll; Wine's internals such as kernelbase, ucrtbase and win32u left out). Wine has no known DLLs and prefers its own; a native-first order for
// Setup.exe makes it search the program's folder first, as Windows does for a DLL that is no
// known DLL (Searched). Wine's user32 imports version.dll and loads imm32.dll by bare name
// while the process starts, before any of the program's code: those stand-ins run whatever
// the program does (WineStart), where Windows resolves both from the system directory; for
// imm32 the installed layout shows that Setup.exe used the system's copy all the same. The
// rest keep Wine's order (Known). No stand-in for shlwapi: Wine would then resolve its own
// shlwapi's forwards to shcore in the program's folder.
enum Kind { Searched, WineStart, Known };
struct Library {
    const wchar_t* name;
    Kind kind;
};
const Library kLibraries[] = {
    {L"comctl32", Searched}, {L"riched32", Searched}, {L"riched20", Searched}, {L"uxtheme", Searched},
    {L"usp10", Searched},    {L"msimg32", Searched},  {L"shcore", Searched},   {L"imm32", WineStart},
    {L"version", WineStart}, {L"advapi32", Known},    {L"combase", Known},     {L"gdi32", Known},
    {L"kernel32", Known},    {L"msvcrt", Known},      {L"ole32", Known},       {L"oleaut32", Known},
    {L"rpcrt4", Known},      {L"sechost", Known},     {L"shell32", Known},     {L"user32", Known}};

const wchar_t kFolder[] = L"C:\\users\\Public\\Downloads";

// Setup.exe and its language files in the download folder, with a canary under every name;
// the driver's later starts run that copy, Wine searching as said above.
void PlantCanaries() {
    CreateDirectoryW(kFolder, NULL);
    for (const wchar_t* file : {L"Setup.exe", L"0804.lng", L"0404.lng", L"0409.lng"})
        REQUIRE(CopyFileW((ProductDir() + L"\\" + file).c_str(), (std::wstring(kFolder) + L"\\" + file).c_str(), FALSE));
    for (const Library& library : kLibraries) {
        std::wstring copy = std::wstring(kFolder) + L"\\" + library.name + L".dll";
        REQUIRE(CopyFileW(DriverFolderFile(L"Canary.dll").c_str(), copy.c_str(), FALSE));
        if (library.kind != Known)
            WriteText(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Setup.exe\\DllOverrides", library.name,
                      L"native,builtin");
    }
    REQUIRE(_putenv(("E2E_PRODUCT_DIR=" + Utf8(kFolder)).c_str()) == 0);
}

// Fails for every canary that ran since the last call, and clears its mark.
void CheckNoCanaryRan(const char* run) {
    for (const Library& library : kLibraries) {
        std::wstring mark = std::wstring(kFolder) + L"\\" + library.name + L".dll.ran";
        CHECK_MSG(library.kind == WineStart || !IsFile(mark), run << " loaded " << std::wstring(library.name) << ".dll from the program's folder");
        DeleteFileW(mark.c_str());
    }
}

// Runs one step of the scenario and then looks for canaries, also when the step failed.
template <typename Step>
void Run(const char* name, Step step) {
    try {
        step();
    } catch (const ScenarioAbort&) {
        EndStartedProcesses();
        CheckNoCanaryRan(name);
        throw;
    }
    CheckNoCanaryRan(name);
}
}  // namespace

// dll_search RELEASE [no_default_directories]: the second word hides SetDefaultDllDirectories
// from Setup.exe, as on Windows 95 to XP.
SCENARIO(dll_search) {
    REQUIRE(!args.empty());
    const Release& release = FindRelease(args[0]);
    if (args.size() > 1) HideFunctionFromSetup("SetDefaultDllDirectories");
    PlantCanaries();
    Run("install", [&] {
        InstallOnce(release.name);
        CheckInstalled(release);
    });
    Run("repair", [&] {
        Wizard wizard(release.name);
        RepairThroughWizard(wizard);
    });
    Run("uninstall", [&] { UninstallOnce(release.name); });
}
