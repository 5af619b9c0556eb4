#include "driver/TextFit.h"
#include "driver/Check.h"
#include "driver/Product.h"
#include "driver/StepTrap.h"
#include "trap/Measurement.h"
#include <sstream>

namespace e2e {

TextFit::TextFit() {
    m_mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0, sizeof(measure::MeasuredPage),
                                   measure::kMappingName);
    REQUIRE(m_mapping != NULL);
    m_message = RegisterWindowMessageA(measure::kMessageName);
}

TextFit::~TextFit() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    CloseHandle(m_mapping);
}

void TextFit::Arm(Wizard& wizard) {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    m_hook = HookWizardThread(wizard);
}

std::vector<FitResult> TextFit::Measure(HWND page) {
    auto* shared = static_cast<measure::MeasuredPage*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    REQUIRE(shared != NULL);
    shared->count = -1;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(page, m_message, 0, 0, SMTO_ABORTIFHUNG, kStepTimeout, &ignored);
    std::vector<FitResult> results;
    CHECK_MSG(shared->count >= 0, "the page was not measured (is the trap library loaded?)");
    for (LONG i = 0; i < shared->count && i < measure::kMaxTexts; ++i) {
        const measure::MeasuredText& text = shared->texts[i];
        int size = MultiByteToWideChar(CP_ACP, 0, text.text, -1, NULL, 0);
        std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
        if (size > 1) MultiByteToWideChar(CP_ACP, 0, text.text, -1, &wide[0], size);
        std::string key = LangKeyOf(wide);
        if (key.empty()) key = "\"" + Utf8(wide) + "\"";
        results.push_back(FitResult{key, text.control, text.tooWide, text.tooTall});
    }
    UnmapViewOfFile(shared);
    // Every page paints a title: without it, the banner is no longer painted the way the
    // library watches (a clipped ExtTextOutA), and its title would go unmeasured.
    CHECK_MSG(results.empty() || results.front().control == measure::kBannerTitle, "no banner title was measured");
    return results;
}

std::string OverflowLine(const FitResult& fit, const std::string& pageName, int dpi) {
    std::ostringstream line;
    line << fit.key << " " << pageName << " page, ";
    if (fit.control == measure::kBannerTitle)
        line << "banner title";
    else
        line << "control " << fit.control;
    line << ":";
    if (fit.tooWide > 0) line << " " << fit.tooWide << " px too wide";
    if (fit.tooWide > 0 && fit.tooTall > 0) line << ",";
    if (fit.tooTall > 0) line << " " << fit.tooTall << " px too tall";
    line << " at " << dpi << " DPI";
    return line.str();
}

std::vector<std::string> TextFit::Report(HWND page, const std::string& pageName, int dpi) {
    std::vector<std::string> keys;
    for (const FitResult& fit : Measure(page)) {
        keys.push_back(fit.key);
        if (!fit.Overflows()) continue;
        std::string line = OverflowLine(fit, pageName, dpi);
        if (!m_reported.insert(line).second) continue;
        if (dpi == 96)
            NoteFailure(line);
        else
            Note(line + " (warning)");
    }
    return keys;
}

}  // namespace e2e
