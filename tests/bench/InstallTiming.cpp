// One timed installation through the real wizard: from pressing Next on the accepted
// licence page until the finish page shows, as a user watching the screen would see it.
#include "driver/Check.h"
#include "driver/Wizard.h"
#include <windows.h>
#include <cstdio>

namespace {
double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (to.QuadPart - from.QuadPart) / frequency.QuadPart;
}
}  // namespace

SCENARIO(timed_install) {
    // Without a recorded version every start offers a fresh installation.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Quorvel\\ZkV4Ivi");
    e2e::Wizard wizard(args.empty() ? "winxp" : args[0]);
    REQUIRE(wizard.WaitFrame() != NULL);
    wizard.WaitPage(e2e::Page::Welcome);
    wizard.Press(e2e::ID_NEXT);
    HWND licence = wizard.WaitPage(e2e::Page::Licence);
    e2e::Click(e2e::Control(licence, e2e::ID_RADIO_SECOND));
    HWND next = e2e::Control(licence, e2e::ID_NEXT);
    REQUIRE(e2e::WaitUntil([&] { return e2e::IsEnabled(next); }, e2e::kStepTimeout));

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    e2e::Click(next);
    bool finished = e2e::WaitUntil([&] { return wizard.CurrentKind() == e2e::Page::Finish; }, 60000, 1);
    QueryPerformanceCounter(&end);
    REQUIRE(finished);
    std::printf("install_ms %.3f\n", Milliseconds(start, end));
    std::fflush(stdout);
    wizard.Press(e2e::ID_CLOSE);
    CHECK(wizard.WaitExit());
}
