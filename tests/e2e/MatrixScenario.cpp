// Install and uninstall under each Windows release given, in the locale's language: one
// Setup.exe run for each, one line per release. A failed cell does not stop the others.
#include "driver/Check.h"
#include "driver/Flows.h"
#include <cstdio>

using namespace e2e;

SCENARIO(matrix) {
    REQUIRE(!args.empty());
    for (const std::string& name : args) {
        const Release& release = FindRelease(name);
        int failuresBefore = FailureCount();
        DWORD started = GetTickCount();
        RemoveProductTraces();
        try {
            InstallOnce(release.name);
            CheckInstalled(release);
            bool exists = false;
            std::string driver = ReadBytes(DriverPath(), &exists);
            CHECK_EQ(exists, release.writesDriver);
            if (exists) CHECK_MSG(driver == PayloadBytes(250), "the driver differs from resource 250");
            std::wstring layout = RecordedLayout();
            UninstallOnce(release.name);
            CheckRemoved(release, layout);
        } catch (const ScenarioAbort&) {
            EndStartedProcesses();
        }
        char line[160];
        std::snprintf(line, sizeof(line), "matrix %-8s %s %s %5.1f s", release.name, LangTag(CurrentLang()),
                      FailureCount() == failuresBefore ? "pass" : "FAIL", (GetTickCount() - started) / 1000.0);
        Note(line);
    }
}
