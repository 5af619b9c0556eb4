#include "FileHolder.h"
#include <cstdio>

FileHolder::FileHolder(const std::string& path) {
    static unsigned serial = 0;
    char ready[64], release[64];
    std::snprintf(ready, sizeof(ready), "HoldFileReady.%lu.%u", GetCurrentProcessId(), ++serial);
    std::snprintf(release, sizeof(release), "HoldFileRelease.%lu.%u", GetCurrentProcessId(), serial);
    m_ready = CreateEventA(NULL, TRUE, FALSE, ready);
    m_release = CreateEventA(NULL, TRUE, FALSE, release);

    char self[MAX_PATH + 1] = {0};
    GetModuleFileNameA(NULL, self, MAX_PATH);
    std::string program(self);
    program.erase(program.find_last_of('\\') + 1);
    program += "HoldFile.exe";
    std::string command = "\"" + program + "\" \"" + path + "\" " + ready + " " + release;

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(program.c_str(), &command[0], NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL,
                        &startup, &m_process))
        return;
    HANDLE waits[2] = {m_ready, m_process.hProcess};
    m_holding = WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
}

FileHolder::~FileHolder() {
    if (m_release) SetEvent(m_release);
    if (m_process.hProcess) {
        WaitForSingleObject(m_process.hProcess, 20000);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    if (m_ready) CloseHandle(m_ready);
    if (m_release) CloseHandle(m_release);
}
