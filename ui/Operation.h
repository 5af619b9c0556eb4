// Starting an install, repair or uninstall from a page's button.
#pragma once
#include "base/WizardCommand.h"

// Shows the progress page for operation, then starts worker on a thread of its own.
void StartOperation(int operation, WorkerProc worker);
