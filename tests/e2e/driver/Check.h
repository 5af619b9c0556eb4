// Checks and scenario registration for the end-to-end driver. A failed CHECK reports the
// caller's file and line and lets the scenario go on; a failed REQUIRE ends the scenario,
// because every later step depends on it. Any failure makes the driver exit non-zero.
#pragma once
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

struct ScenarioAbort {
    std::string what;
};

// Wide texts (window texts, file names) are printed as UTF-8.
std::ostream& operator<<(std::ostream& out, const std::wstring& text);
std::string Utf8(const std::wstring& text);

void ReportFailure(const char* file, int line, const std::string& what);
int FailureCount();
// A failure reported in a line of its own making (for lines that tools read).
void NoteFailure(const std::string& line);
// Prints one line to the console (stdout), flushed at once so that CTest keeps the order.
void Note(const std::string& text);

template <typename A, typename B>
std::string Mismatch(const char* expression, const A& actual, const B& expected) {
    std::ostringstream out;
    out << expression << ": got [" << actual << "], expected [" << expected << "]";
    return out.str();
}

using ScenarioFunction = std::function<void(const std::vector<std::string>& args)>;
struct ScenarioRegistrar {
    ScenarioRegistrar(const char* name, ScenarioFunction run);
};
int RunScenario(const std::string& name, const std::vector<std::string>& args);

}  // namespace e2e

#define CHECK(condition)                                                          \
    do {                                                                          \
        if (!(condition)) ::e2e::ReportFailure(__FILE__, __LINE__, #condition);   \
    } while (0)

#define CHECK_MSG(condition, message)                                             \
    do {                                                                          \
        if (!(condition)) {                                                       \
            std::ostringstream e2e_out_;                                          \
            e2e_out_ << #condition << ": " << message;                            \
            ::e2e::ReportFailure(__FILE__, __LINE__, e2e_out_.str());             \
        }                                                                         \
    } while (0)

#define CHECK_EQ(actual, expected)                                                \
    do {                                                                          \
        const auto& e2e_a_ = (actual);                                            \
        const auto& e2e_e_ = (expected);                                          \
        if (!(e2e_a_ == e2e_e_))                                                  \
            ::e2e::ReportFailure(__FILE__, __LINE__,                              \
                                 ::e2e::Mismatch(#actual, e2e_a_, e2e_e_));       \
    } while (0)

#define REQUIRE(condition)                                                        \
    do {                                                                          \
        if (!(condition)) {                                                       \
            ::e2e::ReportFailure(__FILE__, __LINE__, #condition);                 \
            throw ::e2e::ScenarioAbort{#condition};                               \
        }                                                                         \
    } while (0)

// SCENARIO(name) { ... } defines and registers one scenario; args are the command line
// words after the scenario's name.
#define E2E_CONCAT2(a, b) a##b
#define E2E_CONCAT(a, b) E2E_CONCAT2(a, b)
#define SCENARIO(name)                                                                   \
    static void E2E_CONCAT(scenario_, name)(const std::vector<std::string>& args);       \
    static ::e2e::ScenarioRegistrar E2E_CONCAT(registrar_, name)(#name,                 \
                                                                 E2E_CONCAT(scenario_, name)); \
    static void E2E_CONCAT(scenario_, name)([[maybe_unused]] const std::vector<std::string>& args)
