#include "driver/Ui.h"
#include <fstream>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(pollMs);
    }
}

namespace {
struct EnumState {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->processId) state->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    EnumState state{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {0};
    GetClassNameW(window, name, 63);
    return name;
}

bool IsDialogWindow(HWND window) {
    return ClassName(window) == L"#32770";
}

std::wstring Text(HWND window) {
    if (!window) return std::wstring();
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return std::wstring();
    // An ANSI control of another process fills the buffer through its code page: room for
    // two bytes a character, or a rich-edit control returns nothing at all.
    std::wstring text(2 * length + 2, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

HWND Control(HWND dialog, int id) {
    return dialog ? GetDlgItem(dialog, id) : NULL;
}

bool IsEnabled(HWND window) {
    return window && IsWindowEnabled(window);
}

bool IsShown(HWND window) {
    return window && IsWindowVisible(window);
}

bool IsChecked(HWND button) {
    DWORD_PTR state = 0;
    if (!button || !SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state))
        return false;
    return state == BST_CHECKED;
}

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

bool Sync(HWND window, DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    // WM_GETTEXTLENGTH has no effect on any window, and its answer comes only after the
    // messages sent before it have been handled.
    return SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

Rect WindowRect(HWND window) {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool CaptureWindow(HWND window, const std::wstring& bmpPath) {
    Rect r = WindowRect(window);
    if (r.width <= 0 || r.height <= 0) return false;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = r.width;
    info.bmiHeader.biHeight = r.height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, r.width, r.height, screen, r.left, r.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    bool written = false;
    if (copied) {
        DWORD stride = ((r.width * 3) + 3) & ~3u;
        DWORD imageSize = stride * r.height;
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        file.bfSize = file.bfOffBits + imageSize;
        info.bmiHeader.biSizeImage = imageSize;
        HANDLE out = CreateFileW(bmpPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD done = 0;
            written = WriteFile(out, &file, sizeof(file), &done, NULL) &&
                      WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &done, NULL) &&
                      WriteFile(out, bits, imageSize, &done, NULL) && done == imageSize;
            CloseHandle(out);
        }
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return written;
}

}  // namespace e2e
