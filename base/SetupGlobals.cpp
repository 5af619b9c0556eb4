#include "base/SetupGlobals.h"

SetupGlobalValues SetupGlobals = {0, 0, INSTALLED_NONE, NULL, NULL, true, {0}};
