#include "driver/ImeProbe.h"
#include "driver/Check.h"
#include "driver/Product.h"
#include <windows.h>
#include <imm.h>
#include <cstdio>
#include <cwchar>

namespace e2e {
namespace {
// Layout handles are sign-extended on 64-bit Windows; the record holds their low 32 bits.
HKL ParseLayout(const std::wstring& handleText) {
    return reinterpret_cast<HKL>(static_cast<LONG_PTR>(static_cast<LONG>(std::wcstoul(handleText.c_str(), NULL, 16))));
}

std::wstring ModulePath() { return SystemDir() + L"\\ZkV4Ivi.ime"; }

// The file the manager names for the layout; Windows gives the file name, Wine the path.
std::wstring NamedFile(HKL layout) {
    char name[MAX_PATH + 1] = {0};
    if (!ImmGetIMEFileNameA(layout, name, MAX_PATH)) return std::wstring();
    wchar_t wide[MAX_PATH + 1] = {0};
    MultiByteToWideChar(CP_ACP, 0, name, -1, wide, MAX_PATH);
    return wide;
}

bool NamesTheModule(const std::wstring& named) {
    return !named.empty() && (lstrcmpiW(named.c_str(), ModulePath().c_str()) == 0 ||
                              lstrcmpiW(named.c_str(), L"ZkV4Ivi.ime") == 0);
}

struct ImeInfo {
    DWORD privateDataSize, property, conversionCaps, sentenceCaps, uiCaps, scsCaps, selectCaps;
};
using InquireFunction = BOOL(WINAPI*)(ImeInfo*, void*, DWORD);

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%08lX", static_cast<unsigned long>(value));
    return text;
}
}  // namespace

void CheckLayoutLoads(const std::wstring& handleText) {
    HKL layout = ParseLayout(handleText);
    std::wstring path = ModulePath();
    REQUIRE(GetModuleHandleW(path.c_str()) == NULL);
    CHECK_MSG(ImmIsIME(layout), "layout " << handleText << " is not an IME");
    std::wstring named = NamedFile(layout);
    CHECK_MSG(NamesTheModule(named), "the manager names [" << named << "] for " << handleText);

    DWORD property = ImmGetProperty(layout, IGP_PROPERTY);
    HMODULE module = GetModuleHandleW(path.c_str());
    REQUIRE(module != NULL);  // the manager mapped the installed file, not its fallback
    auto inquire = reinterpret_cast<InquireFunction>(reinterpret_cast<void*>(GetProcAddress(module, "ImeInquire")));
    REQUIRE(inquire != NULL);
    ImeInfo info = {};
    wchar_t uiClass[MAX_PATH] = {0};
    REQUIRE(inquire(&info, uiClass, 0));
    CHECK_MSG(property == info.property,
              "the manager reports property " << Hex(property) << ", the module " << Hex(info.property));
    Note("layout " + Utf8(handleText) + ": module " + Utf8(named) + " mapped, property " + Hex(property));
}

void CheckLayoutGone(const std::wstring& handleText) {
    HKL layout = ParseLayout(handleText);
    std::wstring named = NamedFile(layout);
    CHECK_MSG(!NamesTheModule(named), "layout " << handleText << " still names " << named);
    DWORD property = ImmGetProperty(layout, IGP_PROPERTY);
    CHECK_MSG(GetModuleHandleW(ModulePath().c_str()) == NULL, "the manager still maps the module for " << handleText);
    Note("layout " + Utf8(handleText) + ": names [" + Utf8(named) + "], property " + Hex(property) +
         ", IME " + (ImmIsIME(layout) ? "yes" : "no"));
}

bool ProbeLayout(const std::wstring& handleText, bool loads) {
    wchar_t self[MAX_PATH + 1] = {0};
    GetModuleFileNameW(NULL, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" ime_probe " + handleText + (loads ? L" loads" : L" gone");
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info = {};
    std::fflush(stdout);
    if (!CreateProcessW(self, &commandLine[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &info)) {
        ReportFailure(__FILE__, __LINE__, "cannot start the probe, error " + std::to_string(GetLastError()));
        return false;
    }
    CloseHandle(info.hThread);
    DWORD exitCode = 1;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &exitCode);
    else TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    return exitCode == 0;
}

}  // namespace e2e
