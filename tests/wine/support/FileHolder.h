// Another process that keeps a file open without sharing, the way a running program keeps
// a module it uses: opening the file for writing and deleting it then fail with a sharing
// violation.
#pragma once
#include <windows.h>
#include <string>

class FileHolder {
public:
    explicit FileHolder(const std::string& path);  // returns once the file is held
    ~FileHolder();                                 // lets go and waits for the process to end
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    bool holding() const { return m_holding; }

private:
    PROCESS_INFORMATION m_process{};
    HANDLE m_ready = NULL;
    HANDLE m_release = NULL;
    bool m_holding = false;
};
