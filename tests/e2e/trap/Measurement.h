// What the measuring part of the trap library hands to the driver: for every text of a
// page, by how many pixels it exceeds the room its control gives it, measured inside
// Setup.exe with the control's own font and device context.
#pragma once
#include <windows.h>

namespace measure {

constexpr int kBannerTitle = -1;  // `control` of the banner title, which no control shows
constexpr int kTextSize = 1024;   // bytes; the language file's texts are shorter
constexpr int kMaxTexts = 24;

struct MeasuredText {
    int control;   // control id, or kBannerTitle
    int tooWide;   // pixels beyond the room; zero or less when the text fits
    int tooTall;
    char text[kTextSize];  // as the control holds it, in the program's code page
};

struct MeasuredPage {
    LONG count;
    MeasuredText texts[kMaxTexts];
};

// The driver creates the mapping and sends the message to a page; the hook measures that
// page into the mapping before the message reaches the page.
constexpr const char* kMappingName = "E2eMeasuredPage";
constexpr const char* kMessageName = "E2eMeasurePage";

}  // namespace measure
