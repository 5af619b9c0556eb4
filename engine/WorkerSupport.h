// Pieces the workers share: progress-bar messages and the failure end.
#pragma once

void SetProgressRange(int maximum);  // range 0..maximum, step 10
void SetProgressPosition(int position);

// Shows text MSG/messageKey in an error box owned by the progress bar, captioned
// MAIN/DIALOG_TITLE, then closes the wizard without the closing question. Returns the
// worker's failure result, 0.
unsigned long FailWorker(const char* messageKey);
