// Whether the input-method manager loads the installed IME module for a layout. The asking
// process keeps the module mapped, and a mapped module cannot be replaced or deleted by the
// next Setup.exe run; so the asking is done by a second driver process ("ime_probe") that
// ends before the scenario goes on.
#pragma once
#include <string>

namespace e2e {

// Runs "e2e_driver ime_probe HANDLE loads|gone" and waits for it. loads: the layout is an
// IME whose module the manager names and maps from the system directory, and the property
// bits the manager reports are the module's own. gone: the layout no longer leads to the
// module. True when every check of the child held; its lines appear in this output.
bool ProbeLayout(const std::wstring& handleText, bool loads);

// The child's side: the checks themselves, reported as failed CHECKs of this process.
void CheckLayoutLoads(const std::wstring& handleText);
void CheckLayoutGone(const std::wstring& handleText);

}  // namespace e2e
