// Whether the texts of a page fit their controls: measured inside Setup.exe by the trap
// library (trap/Measure.cpp), named here by the language file's SECTION/KEY.
#pragma once
#include "driver/Wizard.h"
#include <set>
#include <string>
#include <vector>

namespace e2e {

struct FitResult {
    std::string key;      // SECTION/KEY, or the text itself in quotes when no entry gives it
    int control;          // control id; -1 for the banner title
    int tooWide, tooTall; // pixels beyond the room; zero or less when it fits
    bool Overflows() const { return tooWide > 0 || tooTall > 0; }
};

// "SECTION/KEY PAGE page, control ID: N px too wide, M px too tall at DPI DPI".
std::string OverflowLine(const FitResult& fit, const std::string& pageName, int dpi);

class TextFit {
public:
    TextFit();
    ~TextFit();
    TextFit(const TextFit&) = delete;
    TextFit& operator=(const TextFit&) = delete;

    // Loads the measuring library into this run of Setup.exe; once per run, after WaitFrame.
    void Arm(Wizard& wizard);
    // Every text of `page` (banner title first), measured as it is shown now.
    std::vector<FitResult> Measure(HWND page);
    // Measures `page` and prints one line per overflow, "SECTION/KEY PAGE page, control ID:
    // N px too wide ...", each once per run of the scenario; at 96 DPI such a line is a
    // failure, at other resolutions a warning. Returns the keys of the page's texts.
    std::vector<std::string> Report(HWND page, const std::string& pageName, int dpi);

private:
    HANDLE m_mapping = NULL;
    HHOOK m_hook = NULL;
    UINT m_message = 0;
    std::set<std::string> m_reported;
};

}  // namespace e2e
