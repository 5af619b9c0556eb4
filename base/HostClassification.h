// Classification of the running Windows release and of the user-interface language.
// The rules are pure so that they can be checked without Windows.
#pragma once

// OsClass codes; callers compare ranges.
enum {
    OS_UNKNOWN = 0, OS_WIN95 = 1, OS_WIN95_OSR2 = 2, OS_WIN98 = 10, OS_WIN98_SE = 11,
    OS_WINME = 20, OS_WIN9X_OTHER = 30, OS_NT4 = 41, OS_WIN2000 = 61, OS_WINXP = 81,
    OS_WIN2003 = 101, OS_NT_NEWER = 10000
};

struct OsVersionFacts {
    bool available;          // false when the version could not be read
    unsigned long platformId;
    unsigned long major;
    unsigned long minor;
    char csdSecond;          // second character of the service-pack string
};

int ClassifyVersionFacts(const OsVersionFacts& facts);
int LangIndexForCodePage(unsigned codePage);

// Windows-facing wrappers (HostClassificationWin.cpp).
int ClassifyWindowsVersion();
int SelectLanguageIndex();
