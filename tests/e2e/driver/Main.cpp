// e2e_driver SCENARIO [ARGS...]: runs one registered scenario against the real Setup.exe.
#include "driver/Check.h"
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stdout, "usage: e2e_driver SCENARIO [ARGS...]\n");
        return e2e::RunScenario("", {});
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    return e2e::RunScenario(argv[1], args);
}
