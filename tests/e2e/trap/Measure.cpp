// The measuring half of the trap library: inside Setup.exe, on the wizard's thread, every
// text of a page is laid out the way its control draws it (the control's font, word-wrapped
// where the control wraps) and compared with the control's client rectangle; the banner
// title is measured as it is painted, in the font and clip rectangle of that paint.
#include <windows.h>
#include "Measurement.h"
#include "PatchFunction.h"

namespace {
using ExtTextOutFn = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCSTR, UINT, const INT*);
ExtTextOutFn g_extTextOut = nullptr;
UINT g_measureMessage = 0;

// The last clipped text painted into each page, with its overflow: the banner title.
struct PaintedTitle {
    HWND window;
    measure::MeasuredText text;
};
PaintedTitle g_title = {};

BOOL WINAPI MeasuredExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* clip, LPCSTR text, UINT length,
                                const INT* dx) {
    if ((options & ETO_CLIPPED) && clip && text) {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, text, static_cast<int>(length), &size);
        g_title.window = WindowFromDC(dc);
        g_title.text.control = measure::kBannerTitle;
        g_title.text.tooWide = x + size.cx - clip->right;
        g_title.text.tooTall = y + size.cy - clip->bottom;
        UINT kept = length < measure::kTextSize - 1 ? length : measure::kTextSize - 1;
        CopyMemory(g_title.text.text, text, kept);
        g_title.text.text[kept] = '\0';
    }
    return g_extTextOut(dc, x, y, options, clip, text, length, dx);
}

// Where in its client rectangle a control draws its text, and with which DrawText flags;
// false for controls that show no text of their own (lines, the rich edit, the bar).
bool TextRoom(HWND control, HDC dc, RECT* room, UINT* flags) {
    char name[32] = {0};
    GetClassNameA(control, name, sizeof(name));
    LONG style = GetWindowLongA(control, GWL_STYLE);
    GetClientRect(control, room);
    if (lstrcmpiA(name, "Static") == 0) {
        if ((style & SS_TYPEMASK) > SS_RIGHT) return false;  // only the wrapping text styles
        *flags = DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        return true;
    }
    if (lstrcmpiA(name, "Button") != 0) return false;
    *flags = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    LONG type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        // The 3-D frame takes two pixels a side, the default button's outline one more.
        int edge = type == BS_DEFPUSHBUTTON ? 3 : 2;
        InflateRect(room, -edge, -edge);
        return true;
    }
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        // The box, half a digit's width of gap, and one pixel for the focus outline.
        int digit = 0;
        GetCharWidthA(dc, '0', '0', &digit);
        room->left += 12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1 + digit / 2 + 1;
        return true;
    }
    return false;
}

void MeasureControl(HWND control, measure::MeasuredPage* page) {
    if (page->count >= measure::kMaxTexts || !IsWindowVisible(control)) return;
    measure::MeasuredText& out = page->texts[page->count];
    if (GetWindowTextA(control, out.text, measure::kTextSize) <= 0) return;
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : NULL;
    RECT room;
    UINT flags = 0;
    if (TextRoom(control, dc, &room, &flags)) {
        RECT needed = {0, 0, room.right - room.left, 0};
        DrawTextA(dc, out.text, -1, &needed, flags | DT_CALCRECT);
        out.control = GetDlgCtrlID(control);
        out.tooWide = needed.right - (room.right - room.left);
        out.tooTall = needed.bottom - (room.bottom - room.top);
        ++page->count;
    }
    if (previous) SelectObject(dc, previous);
    ReleaseDC(control, dc);
}

void MeasurePage(HWND page) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, measure::kMappingName);
    if (!mapping) return;
    auto* out = static_cast<measure::MeasuredPage*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
    if (out) {
        out->count = 0;
        // Paint the page now, so that its banner title goes through the measuring call.
        g_title.window = NULL;
        RedrawWindow(page, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        if (g_title.window == page) out->texts[out->count++] = g_title.text;
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            MeasureControl(child, out);
        UnmapViewOfFile(out);
    }
    CloseHandle(mapping);
}
}  // namespace

void ArmMeasuring() {
    g_measureMessage = RegisterWindowMessageA(measure::kMessageName);
    g_extTextOut = reinterpret_cast<ExtTextOutFn>(
        PatchFunction("gdi32.dll", "ExtTextOutA", reinterpret_cast<void*>(&MeasuredExtTextOutA)));
}

void MeasureIfAsked(const CWPSTRUCT& message) {
    if (g_measureMessage && message.message == g_measureMessage && g_extTextOut) MeasurePage(message.hwnd);
}
