#include "driver/Check.h"
#include "Machine.h"
#include "driver/SetupProcess.h"
#include <windows.h>
#include <cstdio>
#include <map>

namespace e2e {
namespace {
int g_failures = 0;

std::map<std::string, ScenarioFunction>& Registry() {
    static std::map<std::string, ScenarioFunction> scenarios;
    return scenarios;
}
}  // namespace

std::string Utf8(const std::wstring& text) { return machine::Narrow(text, CP_UTF8); }

std::ostream& operator<<(std::ostream& out, const std::wstring& text) {
    return out << Utf8(text);
}

void Note(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ReportFailure(const char* file, int line, const std::string& what) {
    ++g_failures;
    std::fprintf(stdout, "%s:%d: FAILED: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

void NoteFailure(const std::string& line) {
    ++g_failures;
    Note(line);
}

int FailureCount() {
    return g_failures;
}

ScenarioRegistrar::ScenarioRegistrar(const char* name, ScenarioFunction run) {
    Registry()[name] = std::move(run);
}

int RunScenario(const std::string& name, const std::vector<std::string>& args) {
    auto found = Registry().find(name);
    if (found == Registry().end()) {
        std::fprintf(stdout, "unknown scenario '%s'; known:", name.c_str());
        for (const auto& entry : Registry()) std::fprintf(stdout, " %s", entry.first.c_str());
        std::fprintf(stdout, "\n");
        return 2;
    }
    DWORD started = GetTickCount();
    std::string aborted;
    try {
        found->second(args);
    } catch (const ScenarioAbort& abort) {
        aborted = abort.what;
    }
    // Whatever the scenario left running must not outlive it.
    EndStartedProcesses();
    double seconds = (GetTickCount() - started) / 1000.0;
    std::fprintf(stdout, "scenario %s: %s, %d failed check(s)%s, %.1f s\n", name.c_str(),
                 g_failures ? "FAIL" : "PASS", g_failures,
                 aborted.empty() ? "" : (", stopped at: " + aborted).c_str(), seconds);
    std::fflush(stdout);
    return g_failures ? 1 : 0;
}

}  // namespace e2e
