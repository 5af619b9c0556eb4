#include "LangFolder.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>

namespace testtext {
const char kTitle[] = "Zk Test Setup";
const char kImeName[] = "Chinese (Simplified) - Zk Test Layout";
const char kFileError[] = "A file could not be written.";
const char kImeError[] = "The input method could not be registered.";

std::string EnglishFile() {
    return std::string("[MAIN]\r\nDIALOG_TITLE=") + kTitle + "\r\nPRODUCT_NAME=Zk Test\r\nIME_NAME=" +
           kImeName + "\r\n[MSG]\r\n6=" + kFileError + "\r\n7=" + kImeError + "\r\n";
}
}  // namespace testtext

LangFolder::LangFolder() {
    char buffer[MAX_PATH + 1] = {0};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    m_previous = buffer;
    GetTempPathA(MAX_PATH, buffer);
    for (unsigned n = GetCurrentProcessId();; ++n) {
        char folder[MAX_PATH + 1];
        std::snprintf(folder, sizeof(folder), "%slng%u\\", buffer, n);
        if (CreateDirectoryA(folder, NULL)) {
            m_path = folder;
            break;
        }
    }
    SetCurrentDirectoryA(m_path.c_str());
}

LangFolder::~LangFolder() {
    SetCurrentDirectoryA(m_previous.c_str());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "*.lng").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteFileA((m_path + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

void LangFolder::Write(const char* fileName, const std::string& contents) {
    char self[MAX_PATH + 1] = {0};
    GetModuleFileNameA(NULL, self, MAX_PATH);
    std::string beside(self);
    beside.erase(beside.find_last_of('\\') + 1);
    if (GetFileAttributesA((beside + fileName).c_str()) != INVALID_FILE_ATTRIBUTES)
        ADD_FAILURE() << fileName << " lies beside the test program and hides the test's texts";
    HANDLE file = CreateFileA((m_path + fileName).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, NULL);
    CloseHandle(file);
}
