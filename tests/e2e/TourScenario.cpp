// A whole installation the way a user clicks through it, with a picture of every page.
#include "driver/Check.h"
#include "driver/Flows.h"

SCENARIO(tour) {
    std::string release = args.empty() ? "winxp" : args[0];
    e2e::InstallOnce(release);
    e2e::CheckInstalled(e2e::FindRelease(release));
}
