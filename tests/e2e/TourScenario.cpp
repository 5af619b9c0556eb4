// A whole installation the way a user clicks through it, with a picture of every page, and
// the input-method manager loading the installed module for the recorded layout.
#include "driver/Check.h"
#include "driver/Flows.h"
#include "driver/ImeProbe.h"

SCENARIO(tour) {
    std::string release = args.empty() ? "winxp" : args[0];
    e2e::InstallOnce(release);
    e2e::CheckInstalled(e2e::FindRelease(release));
    CHECK_MSG(e2e::ProbeLayout(e2e::RecordedLayout(), true), "the installed layout does not load the module");
}
