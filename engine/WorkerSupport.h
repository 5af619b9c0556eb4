// Pieces the workers share: progress-bar messages and the failure end.
#pragma once
#include <string>

void SetProgressRange(int maximum);  // range 0..maximum, step 10
void SetProgressPosition(int position);

// Shows text in an error box owned by the progress bar, then closes the wizard without
// the closing question. Returns the worker's failure result, 0.
unsigned FailWorker(const std::string& text, const std::string& caption);
