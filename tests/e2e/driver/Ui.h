// Looking at and acting on the windows of another process, as a user would: find them,
// read their texts, press their buttons.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls `condition` every few milliseconds until it holds or `timeoutMs` has passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 10);

std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<HWND> ChildWindows(HWND parent);  // direct children only
std::wstring ClassName(HWND window);
bool IsDialogWindow(HWND window);  // class #32770
// The window's text, asked for with WM_GETTEXT (GetWindowText does not ask another process).
std::wstring Text(HWND window);
HWND Control(HWND dialog, int id);
bool IsEnabled(HWND window);
bool IsShown(HWND window);
bool IsChecked(HWND button);
// Presses a button the way a mouse click does, without waiting for the click's handling:
// a message box that the click opens would otherwise hold the driver up.
void Click(HWND button);
// Returns once the window's thread has handled everything sent to it before.
bool Sync(HWND window, DWORD timeoutMs = 2000);

struct Rect {
    int left, top, width, height;
};
Rect WindowRect(HWND window);

// Writes the screen area of `window` into a 24-bit BMP file.
bool CaptureWindow(HWND window, const std::wstring& bmpPath);

}  // namespace e2e
