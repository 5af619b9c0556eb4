#include "driver/SetupProcess.h"
#include "driver/Check.h"
#include <tlhelp32.h>
#include <algorithm>
#include <cstdlib>

namespace e2e {
namespace {
constexpr DWORD kTerminateTimeout = 10000;

std::vector<HANDLE>& Started() {
    static std::vector<HANDLE> processes;
    return processes;
}

std::wstring Widen(const std::string& text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, NULL, 0);
    std::wstring out(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &out[0], size);
    return out;
}
}  // namespace

std::wstring WindowsPathFromEnvironment(const char* name, bool required) {
    const char* value = std::getenv(name);
    if (!value || !*value) {
        if (required) {
            ReportFailure(__FILE__, __LINE__, std::string("environment variable ") + name + " is not set");
            throw ScenarioAbort{name};
        }
        return std::wstring();
    }
    std::wstring path = Widen(value);
    if (!path.empty() && path[0] == L'/') {
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

std::wstring ProductDir() { return WindowsPathFromEnvironment("E2E_PRODUCT_DIR", true); }
std::wstring PayloadDir() { return WindowsPathFromEnvironment("E2E_PAYLOAD_DIR", true); }
std::wstring SourceDir() { return WindowsPathFromEnvironment("E2E_SOURCE_DIR", true); }
std::wstring ShotsDir() { return WindowsPathFromEnvironment("E2E_SHOTS_DIR", false); }

void SetReportedRelease(const std::string& release) {
    HKEY key;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Setup.exe", 0, NULL,
                                  0, KEY_ALL_ACCESS, NULL, &key, NULL);
    REQUIRE(status == ERROR_SUCCESS);
    std::wstring value = Widen(release);
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

SetupProcess::SetupProcess(SetupProcess&& other) noexcept { *this = std::move(other); }

SetupProcess& SetupProcess::operator=(SetupProcess&& other) noexcept {
    std::swap(m_process, other.m_process);
    std::swap(m_id, other.m_id);
    std::swap(m_suspended, other.m_suspended);
    return *this;
}

SetupProcess::~SetupProcess() {
    Resume();
    // The handle stays in the started list, which ends the process if the scenario did not.
}

namespace {
// Wine draws captions and message boxes with its Tahoma (also behind "MS Shell Dlg"),
// which has no Chinese: for the pictures, let a font with Chinese stand in for it, as Chinese Windows would.
void UseChineseUiFontForPictures() {
    if (ShotsDir().empty() || GetACP() == 1252 || GetACP() == 437) return;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", 0, NULL, 0, KEY_ALL_ACCESS,
                        NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    static const wchar_t face[] = L"WenQuanYi Micro Hei";
    for (const wchar_t* name : {L"Tahoma", L"MS Shell Dlg"})
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(face), sizeof(face));
    RegCloseKey(key);
}
}  // namespace

SetupProcess SetupProcess::Start(const std::string& release, const std::wstring& from) {
    SetReportedRelease(release);
    UseChineseUiFontForPictures();
    std::wstring folder = from.empty() ? ProductDir() : from;
    std::wstring exe = folder + L"\\Setup.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    // Wine now and then fails a start with ERROR_INTERNAL_ERROR before the program runs
    // at all; a program that cannot start fails every try.
    BOOL created = FALSE;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt) {
            Note("CreateProcess failed with error " + std::to_string(GetLastError()) + "; trying again");
            Sleep(500);
        }
        commandLine = L"\"" + exe + L"\"";
        created = CreateProcessW(exe.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(),
                                 &startup, &info);
    }
    if (!created) {
        ReportFailure(__FILE__, __LINE__, "CreateProcess failed, error " + std::to_string(GetLastError()));
        throw ScenarioAbort{"start Setup.exe"};
    }
    CloseHandle(info.hThread);
    SetupProcess process;
    process.m_process = info.hProcess;
    process.m_id = info.dwProcessId;
    Started().push_back(info.hProcess);
    return process;
}

bool SetupProcess::Running() const {
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool SetupProcess::WaitExit(DWORD timeoutMs) const {
    return m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

bool SetupProcess::Terminate() {
    if (!m_process) return false;
    TerminateProcess(m_process, 1);
    return WaitExit(kTerminateTimeout);
}

int SetupProcess::SuspendAllBut(DWORD uiThread) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != m_id || entry.th32ThreadID == uiThread) continue;
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        if (SuspendThread(thread) != static_cast<DWORD>(-1)) m_suspended.push_back(entry.th32ThreadID);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return static_cast<int>(m_suspended.size());
}

void SetupProcess::Resume() {
    for (DWORD id : m_suspended) {
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, id);
        if (!thread) continue;
        ResumeThread(thread);
        CloseHandle(thread);
    }
    m_suspended.clear();
}

void EndStartedProcesses() {
    for (HANDLE process : Started()) {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    Started().clear();
}

}  // namespace e2e
