// ime_probe HANDLE loads|gone: the child process of ProbeLayout (driver/ImeProbe.h).
#include "driver/Check.h"
#include "driver/ImeProbe.h"
#include "driver/Product.h"

using namespace e2e;

SCENARIO(ime_probe) {
    REQUIRE(args.size() == 2 && (args[1] == "loads" || args[1] == "gone"));
    std::wstring handleText = FromUtf8(args[0]);
    if (args[1] == "loads") CheckLayoutLoads(handleText);
    else CheckLayoutGone(handleText);
}
