// The Programs folders of the Start menu and the product's entries in them.
#pragma once
#include <functional>
#include <string>

namespace teststartmenu {
// File-system path of CSIDL_PROGRAMS or CSIDL_COMMON_PROGRAMS, without a trailing backslash.
std::string ProgramsFolder(int csidl);
// Runs work on a new thread and waits for it: the shortcut code initialises COM for the
// thread it runs on, as it does on a worker thread.
void RunOnFreshThread(const std::function<void()>& work);
}  // namespace teststartmenu
