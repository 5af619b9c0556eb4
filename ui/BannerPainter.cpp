#include "base/SetupGlobals.h"
#include "ui/WizardPage.h"
#include <cstring>

namespace {
// Face names of the banner title by language; row 0 is "宋体" in code page 936.
const char kBannerFonts[3][65] = {"\xCB\xCE\xCC\xE5", "SimSun", "System"};
const int kBannerWidth = 497, kBannerHeight = 70;
}  // namespace

bool DrawPageBanner(HDC hdc, UINT bitmapId, const char* title) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(bitmapId));
    if (!bitmap) return false;
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    BitBlt(hdc, 0, 0, kBannerWidth, kBannerHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
    DeleteObject(bitmap);

    LOGFONTA font;
    std::memset(&font, 0, sizeof(font));
    GetObjectA(GetCurrentObject(hdc, OBJ_FONT), sizeof(font), &font);
    font.lfHeight = 16;
    font.lfWidth = 8;
    font.lfWeight = 600;
    int row = (SetupGlobals.langIndex >= 0 && SetupGlobals.langIndex < 3) ? SetupGlobals.langIndex : 2;
    std::memcpy(font.lfFaceName, kBannerFonts[row], sizeof(font.lfFaceName) - 1);
    font.lfFaceName[sizeof(font.lfFaceName) - 1] = '\0';
    HFONT titleFont = CreateFontIndirectA(&font);
    HGDIOBJ previousFont = SelectObject(hdc, titleFont);

    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    RECT clip = {15, 10, 482, 40};
    ExtTextOutA(hdc, 15, 10, ETO_CLIPPED, &clip, title, static_cast<UINT>(std::strlen(title)), NULL);

    SelectObject(hdc, previousFont);
    DeleteObject(titleFont);
    return true;
}
