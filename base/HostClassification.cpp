#include "base/HostClassification.h"

namespace {
const unsigned long PLATFORM_WINDOWS = 1;  // VER_PLATFORM_WIN32_WINDOWS
const unsigned long PLATFORM_NT = 2;       // VER_PLATFORM_WIN32_NT

int ClassifyWin9x(const OsVersionFacts& f) {
    if (f.major != 4) return OS_WIN9X_OTHER;
    switch (f.minor) {
    case 0: return (f.csdSecond == 'C' || f.csdSecond == 'B') ? OS_WIN95_OSR2 : OS_WIN95;
    case 10: return f.csdSecond == 'A' ? OS_WIN98_SE : OS_WIN98;
    case 90: return OS_WINME;
    default: return OS_WIN9X_OTHER;
    }
}

int ClassifyNt(const OsVersionFacts& f) {
    if (f.major == 5) {
        switch (f.minor) {
        case 0: return OS_WIN2000;
        case 1: return OS_WINXP;
        case 2: return OS_WIN2003;
        default: return OS_NT_NEWER;
        }
    }
    return f.major <= 4 ? OS_NT4 : OS_NT_NEWER;
}
}  // namespace

int ClassifyVersionFacts(const OsVersionFacts& facts) {
    if (!facts.available) return OS_UNKNOWN;
    if (facts.platformId == PLATFORM_WINDOWS) return ClassifyWin9x(facts);
    if (facts.platformId == PLATFORM_NT) return ClassifyNt(facts);
    return OS_UNKNOWN;
}

int LangIndexForCodePage(unsigned codePage) {
    static const unsigned simplified[] = {936, 10008, 50227, 50935, 50936, 51936, 52936};
    static const unsigned traditional[] = {950, 10002, 20000, 20001, 20002, 20003, 20004,
                                           20005, 50229, 51950};
    for (unsigned cp : simplified)
        if (cp == codePage) return 0;
    for (unsigned cp : traditional)
        if (cp == codePage) return 1;
    return 2;
}
