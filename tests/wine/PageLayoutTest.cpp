// Every page's controls at their run-time places, in their template states, with their
// captions from the language file; the buttons' answers to Enter, Escape and Cancel.
#include "base/SetupGlobals.h"
#include "lang/LangText.h"
#include "res/resource.h"
#include "ui/FinishPage.h"
#include "ui/LicensePage.h"
#include "ui/MaintenancePage.h"
#include "ui/ProgressPage.h"
#include "ui/WelcomePage.h"
#include "base/WizardCommand.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
// Each text names its own key, so a caption read from the wrong key shows at once.
const char* const kLanguageFile =
    "[MAIN]\r\nDIALOG_TITLE=Frame title\r\nPRODUCT_NAME=Zk 100%\r\n"
    "[STR]\r\n1=str1\r\n2=str2\r\n3=str3\r\n4=str4\r\n5=str5\r\n9=str9\r\n10=str10\r\n"
    "11=str11 %s\r\n12=str12 %s\r\n"
    "[STRS]\r\n1=strs1 %s\r\n2=strs2\r\n3=strs3\r\n5=strs5\r\n6=strs6 %s\r\n7=strs7\r\n"
    "8=strs8 %s\r\n9=strs9 %s\r\n10=strs10 %s\r\n";

std::string ExeFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string Product(const char* format) {
    char text[LANG_FORMATTED_SIZE];
    FormatWithProduct(format, "Zk 100%", text, sizeof(text));
    return text;
}

// Stands in for the wizard frame: counts the close requests the pages send it.
struct FakeFrame {
    static int closeRequests;
    HWND hwnd = NULL;
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_CLOSE) {
            ++closeRequests;
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    }
    FakeFrame() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "FakeWizardFrame";
        RegisterClassA(&wc);
        hwnd = CreateWindowA("FakeWizardFrame", "", WS_OVERLAPPEDWINDOW, 0, 0, 503, 407, NULL, NULL,
                             wc.hInstance, NULL);
    }
    ~FakeFrame() { DestroyWindow(hwnd); }
};
int FakeFrame::closeRequests = 0;

struct Control {
    int id, x, y, width, height;
    bool enabled;
    std::string text;  // empty: not checked
};

struct PageCase {
    const char* name;
    std::function<CWizardPage*(HWND)> make;
    std::vector<Control> controls;
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

const Control kLines[] = {{IDC_LINE_TOP, 0, 70, 497, 2, true, ""}, {IDC_LINE_BOTTOM, 0, 330, 497, 2, true, ""}};

std::vector<Control> WithLines(std::vector<Control> controls) {
    controls.insert(controls.end(), std::begin(kLines), std::end(kLines));
    return controls;
}

std::vector<PageCase> AllPageCases() {
    return {
        {"Welcome", [](HWND p) { return new CWelcomePage(p); },
         WithLines({{IDC_CANCEL_BUTTON, 208, 342, 88, 25, true, "str1"},
                    {IDC_BACK, 304, 342, 88, 25, false, "str2"},
                    {IDC_NEXT, 400, 342, 88, 25, true, "str3"},
                    {IDC_TEXT_FIRST, 15, 85, 467, 40, true, Product("strs1 %s")},
                    {IDC_TEXT_SECOND, 15, 245, 467, 80, true, "strs2"}})},
        {"Licence", [](HWND p) { return new CLicensePage(p); },
         WithLines({{IDC_CANCEL_BUTTON, 208, 342, 88, 25, true, "str1"},
                    {IDC_BACK, 304, 342, 88, 25, true, "str2"},
                    {IDC_NEXT, 400, 342, 88, 25, false, "str3"},
                    {IDC_TEXT_FIRST, 15, 85, 467, 40, true, "strs3"},
                    {IDC_LICENSE_TEXT, 20, 135, 457, 160, true, ""},
                    {IDC_RADIO_FIRST, 20, 305, 190, 15, true, "str4"},
                    {IDC_RADIO_SECOND, 210, 305, 190, 15, true, "str5"}})},
        {"ProgressInstall", [](HWND p) { return new CProgressPage(p, OP_INSTALL); },
         WithLines({{IDC_CANCEL_BUTTON, 208, 342, 88, 25, true, "str1"},
                    {IDC_BACK, 304, 342, 88, 25, false, "str2"},
                    {IDC_FINISH, 400, 342, 88, 25, false, "str3"},
                    {IDC_TEXT_FIRST, 20, 120, 457, 15, true, "strs5"},
                    {IDC_PROGRESS_BAR, 20, 135, 457, 20, true, ""}})},
        {"ProgressRepair", [](HWND p) { return new CProgressPage(p, OP_REPAIR); },
         {{IDC_FINISH, 400, 342, 88, 25, false, "str10"}}},
        {"ProgressUninstall", [](HWND p) { return new CProgressPage(p, OP_UNINSTALL); },
         {{IDC_FINISH, 400, 342, 88, 25, false, "str10"}}},
        {"FinishInstall", [](HWND p) { return new CFinishPage(p, OP_INSTALL); },
         WithLines({{IDC_CANCEL_BUTTON, 208, 342, 88, 25, false, "str1"},
                    {IDC_BACK, 304, 342, 88, 25, false, "str2"},
                    {IDC_CLOSE, 400, 342, 88, 25, true, "str9"},
                    {IDC_TEXT_FIRST, 15, 85, 467, 15, true, Product("strs6 %s")},
                    {IDC_TEXT_SECOND, 15, 110, 467, 15, true, "strs7"}})},
        {"FinishRepair", [](HWND p) { return new CFinishPage(p, OP_REPAIR); },
         {{IDC_TEXT_FIRST, 15, 85, 467, 15, true, Product("strs9 %s")}}},
        {"FinishUninstall", [](HWND p) { return new CFinishPage(p, OP_UNINSTALL); },
         {{IDC_TEXT_FIRST, 15, 85, 467, 15, true, Product("strs10 %s")}}},
        {"FinishUnknownOperationReadsAsUninstall", [](HWND p) { return new CFinishPage(p, 7); },
         {{IDC_TEXT_FIRST, 15, 85, 467, 15, true, Product("strs10 %s")}}},
        {"Maintenance", [](HWND p) { return new CMaintenancePage(p); },
         WithLines({{IDC_CANCEL_BUTTON, 208, 342, 88, 25, true, "str1"},
                    {IDC_BACK, 304, 342, 88, 25, false, "str2"},
                    {IDC_FINISH, 400, 342, 88, 25, true, "str10"},
                    {IDC_RADIO_FIRST, 23, 148, 457, 15, true, Product("str11 %s")},
                    {IDC_RADIO_SECOND, 23, 173, 457, 15, true, Product("str12 %s")},
                    {IDC_TEXT_FIRST, 15, 85, 467, 40, true, Product("strs8 %s")}})},
    };
}

class Pages : public ::testing::TestWithParam<PageCase> {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        LoadLibraryA("riched32.dll");
        FILE* f = std::fopen((ExeFolder() + "0409.lng").c_str(), "wb");
        std::fputs(kLanguageFile, f);
        std::fclose(f);
    }
    static void TearDownTestSuite() { DeleteFileA((ExeFolder() + "0409.lng").c_str()); }
    void SetUp() override {
        SetupGlobals.langIndex = 2;
        SetupGlobals.frameWindow = frame.hwnd;
        SetupGlobals.progressControl = NULL;
        page.reset(GetParam().make(frame.hwnd));
        ASSERT_TRUE(page->Create());
    }
    FakeFrame frame;
    std::unique_ptr<CWizardPage> page;
};

TEST_P(Pages, ControlsArePlacedStatedAndCaptioned) {
    HWND hwnd = page->Handle();
    RECT pageRect;
    GetWindowRect(hwnd, &pageRect);
    MapWindowPoints(HWND_DESKTOP, frame.hwnd, reinterpret_cast<POINT*>(&pageRect), 2);
    EXPECT_EQ(pageRect.left, 0);
    EXPECT_EQ(pageRect.top, 0);
    EXPECT_EQ(pageRect.right - pageRect.left, 497);
    EXPECT_EQ(pageRect.bottom - pageRect.top, 407);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "the frame shows a page, not the page itself";
    for (const Control& c : GetParam().controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        HWND item = GetDlgItem(hwnd, c.id);
        ASSERT_TRUE(item != NULL);
        RECT r;
        GetWindowRect(item, &r);
        MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.x);
        EXPECT_EQ(r.top, c.y);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        EXPECT_EQ(IsWindowEnabled(item) != FALSE, c.enabled);
        if (!c.text.empty()) {
            char text[512] = {0};
            GetWindowTextA(item, text, sizeof(text));
            EXPECT_EQ(std::string(text), c.text);
        }
    }
}

TEST_P(Pages, EnterDoesNothingEscapeAsksTheFrameToClose) {
    FakeFrame::closeRequests = 0;
    SendMessageA(page->Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(FakeFrame::closeRequests, 0);
    SendMessageA(page->Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(FakeFrame::closeRequests, 1);
    if (IsWindowEnabled(GetDlgItem(page->Handle(), IDC_CANCEL_BUTTON))) {
        SendMessageA(GetDlgItem(page->Handle(), IDC_CANCEL_BUTTON), BM_CLICK, 0, 0);
        EXPECT_EQ(FakeFrame::closeRequests, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, Pages, ::testing::ValuesIn(AllPageCases()),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

class LicencePage : public Pages {};

TEST_P(LicencePage, NextFollowsTheAcceptButtonOnly) {
    HWND hwnd = page->Handle();
    HWND next = GetDlgItem(hwnd, IDC_NEXT);
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_RADIO_FIRST), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_RADIO_SECOND), BST_UNCHECKED);
    struct Step { int radio; bool doubleClick; bool nextEnabled; };
    const Step steps[] = {{IDC_RADIO_FIRST, false, false}, {IDC_RADIO_SECOND, false, true},
                          {IDC_RADIO_FIRST, false, false}, {IDC_RADIO_SECOND, true, true}};
    for (const Step& s : steps) {
        if (s.doubleClick) {
            CheckRadioButton(hwnd, IDC_RADIO_FIRST, IDC_RADIO_SECOND, s.radio);
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(s.radio, BN_DOUBLECLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, s.radio)));
        } else {
            SendMessageA(GetDlgItem(hwnd, s.radio), BM_CLICK, 0, 0);
        }
        EXPECT_EQ(IsWindowEnabled(next) != FALSE, s.nextEnabled) << "after radio " << s.radio;
    }
}

TEST_P(LicencePage, ShowsTheLicenceOfTheLanguageUnchanged) {
    HMODULE self = GetModuleHandleA(NULL);
    HRSRC info = FindResourceA(self, MAKEINTRESOURCEA(IDR_LICENSE_BASE + 2), MAKEINTRESOURCEA(10));
    ASSERT_TRUE(info != NULL);
    std::string expected(static_cast<const char*>(LockResource(LoadResource(self, info))), SizeofResource(self, info));
    HWND box = GetDlgItem(page->Handle(), IDC_LICENSE_TEXT);
    std::string shown(GetWindowTextLengthA(box) + 1, '\0');
    shown.resize(GetWindowTextA(box, &shown[0], static_cast<int>(shown.size())));
    // The rich-edit control may hand line ends back as a lone CR.
    auto withoutCr = [](std::string text) {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    };
    EXPECT_EQ(withoutCr(shown), withoutCr(expected));
}

INSTANTIATE_TEST_SUITE_P(Licence, LicencePage, ::testing::Values(AllPageCases()[1]),
                         [](const ::testing::TestParamInfo<PageCase>&) { return std::string("Page"); });

class ProgressPage : public Pages {};

TEST_P(ProgressPage, RecordsItsBarForTheWorker) {
    EXPECT_EQ(SetupGlobals.progressControl, GetDlgItem(page->Handle(), IDC_PROGRESS_BAR));
}

INSTANTIATE_TEST_SUITE_P(Progress, ProgressPage, ::testing::Values(AllPageCases()[2], AllPageCases()[3]),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });
}  // namespace
