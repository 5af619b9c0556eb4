#include "app/SetupGlobals.h"
#include "registry/ProductRecord.h"

SetupGlobalValues SetupGlobals = {0, 0, INSTALLED_NONE, NULL, NULL, true, {0}};
