#include "base/HostClassification.h"
#include <windows.h>

int ClassifyWindowsVersion() {
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);  // 148
    OsVersionFacts facts = {false, 0, 0, 0, 0};
    if (GetVersionExA(&info)) {
        facts.available = true;
        facts.platformId = info.dwPlatformId;
        facts.major = info.dwMajorVersion;
        facts.minor = info.dwMinorVersion;
        facts.csdSecond = info.szCSDVersion[1];
    }
    return ClassifyVersionFacts(facts);
}

int SelectLanguageIndex() {
    return LangIndexForCodePage(GetOEMCP());
}
