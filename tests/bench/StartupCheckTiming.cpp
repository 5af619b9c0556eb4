// The start-up cost of the integrity check. The program embeds the product's resources and,
// unless BENCH_CHECK is 0, checks them as Setup.exe does at start, then ends; it prints the
// milliseconds of the check. scripts/benchmark-install.sh times whole runs of both kinds.
#include "engine/PayloadCatalog.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int main() {
    const char* mode = std::getenv("BENCH_CHECK");
    bool check = !mode || *mode != '0';
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool intact = !check || ResourcesIntact();
    QueryPerformanceCounter(&end);
    std::printf("check_ms %.3f\n", 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart);
    return intact ? 0 : 1;
}
