// Starting Setup.exe the way a user would, under a chosen Windows release, and keeping
// hold of every process a scenario started.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

// Folders handed in by the test command through the environment: E2E_PRODUCT_DIR (Setup.exe
// and its language files), E2E_PAYLOAD_DIR (the files the payload was built from),
// E2E_SOURCE_DIR (the source tree) and, optionally, E2E_SHOTS_DIR (where screenshots go).
// Unix paths are turned into Windows paths on drive Z:.
std::wstring ProductDir();
std::wstring PayloadDir();
std::wstring SourceDir();
std::wstring ShotsDir();  // empty: no screenshots
std::wstring WindowsPathFromEnvironment(const char* name, bool required);

// Sets the Windows release ("win98", "winxp", "win10", ...) that Wine reports to Setup.exe.
void SetReportedRelease(const std::string& release);

class SetupProcess {
public:
    SetupProcess() = default;
    SetupProcess(SetupProcess&& other) noexcept;
    SetupProcess& operator=(SetupProcess&& other) noexcept;
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;
    ~SetupProcess();

    // Reports `release` to Setup.exe and starts it from `folder` (the product folder when
    // empty) as its current folder.
    static SetupProcess Start(const std::string& release, const std::wstring& folder = std::wstring());

    DWORD Id() const { return m_id; }
    bool Running() const;
    bool WaitExit(DWORD timeoutMs) const;
    // Ends the process at once, as a power cut or the task manager would; waits for its end.
    bool Terminate();
    // Suspends every thread of the process except `uiThread` (the one that owns the
    // windows), so that a running worker holds still; Resume undoes it.
    int SuspendAllBut(DWORD uiThread);
    void Resume();

private:
    HANDLE m_process = NULL;
    DWORD m_id = 0;
    std::vector<DWORD> m_suspended;
};

// Terminates whatever a scenario started and left running.
void EndStartedProcesses();

}  // namespace e2e
