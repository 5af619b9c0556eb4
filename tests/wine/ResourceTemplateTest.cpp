// The executable's own resources as the resource compiler stored them: dialog templates read
// back as extended templates, the banner, the icon and the raw-data resources.
#include "res/resource.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct ControlRow {
    WORD id;
    const char* className;
    DWORD style;
    short x, y, cx, cy;
};

struct DialogRow {
    const char* name;
    WORD id;
    DWORD style, exStyle;
    short cx, cy;
    std::vector<ControlRow> controls;  // in template order
};

void PrintTo(const DialogRow& d, std::ostream* os) { *os << "dialog " << d.id; }

const DWORD PUSH = 0x50010000, PUSH_OFF = 0x58010000, LINE = 0x50000010, TEXT = 0x50020000;
const DWORD RADIO = 0x50000009, RADIO_TAB = 0x50010009, PAGE = 0x40000040;

const DialogRow DIALOGS[] = {
    {"Frame", 100, 0x90CA0040, 0x00040000, 333, 253, {}},
    {"Welcome", 101, PAGE, 0, 354, 267, {
        {1004, "Button", PUSH, 57, 197, 70, 24}, {1001, "Button", PUSH_OFF, 162, 195, 72, 23},
        {1002, "Button", PUSH, 251, 196, 68, 25}, {1101, "Static", LINE, 4, 57, 347, 1},
        {1102, "Static", LINE, 7, 184, 346, 1}, {1020, "Static", TEXT, 23, 71, 255, 38},
        {1021, "Static", TEXT, 28, 140, 255, 38}}},
    {"Licence", 102, PAGE, 0, 354, 267, {
        {1004, "Button", PUSH, 57, 234, 70, 24}, {1001, "Button", PUSH, 162, 232, 72, 23},
        {1002, "Button", PUSH_OFF, 251, 233, 68, 25}, {1101, "Static", LINE, 4, 57, 347, 1},
        {1102, "Static", LINE, 7, 225, 345, 1}, {1020, "Static", TEXT, 23, 71, 128, 20},
        {1060, "RICHEDIT", 0x50A00804, 22, 94, 308, 80}, {1070, "Button", RADIO, 18, 201, 69, 12},
        {1071, "Button", RADIO, 103, 201, 69, 12}}},
    {"Finish", 104, PAGE, 0, 354, 267, {
        {1004, "Button", PUSH_OFF, 57, 197, 70, 24}, {1001, "Button", PUSH_OFF, 162, 195, 72, 23},
        {1003, "Button", PUSH, 251, 196, 68, 25}, {1101, "Static", LINE, 4, 57, 347, 1},
        {1102, "Static", LINE, 7, 184, 346, 1}, {1020, "Static", TEXT, 23, 71, 255, 38},
        {1021, "Static", TEXT, 28, 140, 255, 38}}},
    {"Maintenance", 105, PAGE, 0, 354, 267, {
        {1004, "Button", PUSH, 54, 231, 70, 24}, {1001, "Button", PUSH_OFF, 159, 229, 72, 23},
        {1005, "Button", PUSH, 248, 229, 68, 25}, {1070, "Button", RADIO_TAB, 28, 122, 69, 12},
        {1071, "Button", RADIO_TAB, 27, 137, 69, 12}, {1101, "Static", LINE, 4, 57, 347, 1},
        {1102, "Static", LINE, 4, 217, 345, 1}, {1020, "Static", TEXT, 23, 71, 255, 38}}},
    {"Progress", 106, PAGE, 0, 354, 267, {
        {1004, "Button", PUSH, 54, 231, 70, 24}, {1001, "Button", PUSH_OFF, 129, 231, 72, 23},
        {1005, "Button", PUSH_OFF, 205, 231, 68, 25}, {1101, "Static", LINE, 4, 57, 347, 1},
        {1102, "Static", LINE, 4, 217, 345, 1}, {1020, "Static", TEXT, 23, 71, 255, 22},
        {1103, "msctls_progress32", 0x50000001, 31, 172, 284, 18}}},
};

// Sequential reader of a DLGTEMPLATEEX.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}
    template <typename T> T Read() {
        T value{};
        ok_ = ok_ && pos_ + sizeof(T) <= size_;
        if (ok_) std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    // A name or ordinal: "" for none, "#n" for an ordinal, else the UTF-16 text.
    std::wstring NameOrOrdinal() {
        WORD first = Read<WORD>();
        if (first == 0) return L"";
        if (first == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
        std::wstring text(1, static_cast<wchar_t>(first));
        for (WORD c; ok_ && (c = Read<WORD>()) != 0;) text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignToDword() { pos_ = (pos_ + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t bytes) { pos_ += bytes; }
    bool Ok() const { return ok_ && pos_ <= size_; }

private:
    const BYTE* data_;
    DWORD size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

// The resource compiler may store the predefined classes as atoms.
std::wstring ClassName(const std::wstring& stored) {
    if (stored == L"#128") return L"BUTTON";
    if (stored == L"#130") return L"STATIC";
    std::wstring upper = stored;
    CharUpperW(&upper[0]);
    return upper;
}

class DialogTemplate : public ::testing::TestWithParam<DialogRow> {};

TEST_P(DialogTemplate, MatchesTheLayoutTable) {
    const DialogRow& want = GetParam();
    HRSRC info = FindResourceA(NULL, MAKEINTRESOURCEA(want.id), MAKEINTRESOURCEA(5));
    ASSERT_NE(info, nullptr);
    TemplateReader r(static_cast<const BYTE*>(LockResource(LoadResource(NULL, info))), SizeofResource(NULL, info));
    EXPECT_EQ(r.Read<WORD>(), 1);       // version
    EXPECT_EQ(r.Read<WORD>(), 0xFFFF);  // extended template
    r.Read<DWORD>();                    // help id
    EXPECT_EQ(r.Read<DWORD>(), want.exStyle);
    EXPECT_EQ(r.Read<DWORD>(), want.style);
    WORD count = r.Read<WORD>();
    EXPECT_EQ(r.Read<short>(), 0);
    EXPECT_EQ(r.Read<short>(), 0);
    EXPECT_EQ(r.Read<short>(), want.cx);
    EXPECT_EQ(r.Read<short>(), want.cy);
    EXPECT_EQ(r.NameOrOrdinal(), L"");  // menu
    EXPECT_EQ(r.NameOrOrdinal(), L"");  // class
    EXPECT_EQ(r.NameOrOrdinal(), L"");  // title
    EXPECT_EQ(r.Read<WORD>(), 9);       // point size
    r.Read<WORD>();                     // weight
    r.Skip(2);                          // italic, character set
    EXPECT_EQ(r.NameOrOrdinal(), std::wstring(L"\x5B8B\x4F53"));
    ASSERT_EQ(count, want.controls.size());
    for (const ControlRow& c : want.controls) {
        r.AlignToDword();
        r.Read<DWORD>();  // help id
        EXPECT_EQ(r.Read<DWORD>(), 0u) << c.id;  // extended style
        DWORD style = r.Read<DWORD>();
        short x = r.Read<short>(), y = r.Read<short>(), cx = r.Read<short>(), cy = r.Read<short>();
        EXPECT_EQ(r.Read<DWORD>(), c.id);
        EXPECT_EQ(ClassName(r.NameOrOrdinal()), ClassName(Widen(c.className))) << c.id;
        EXPECT_EQ(r.NameOrOrdinal(), L"") << c.id;  // no text: pages set every caption
        r.Skip(r.Read<WORD>());                      // creation data
        EXPECT_EQ(style, c.style) << c.id;
        EXPECT_EQ(std::vector<short>({x, y, cx, cy}), std::vector<short>({c.x, c.y, c.cx, c.cy})) << c.id;
    }
    EXPECT_TRUE(r.Ok());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogTemplate, ::testing::ValuesIn(DIALOGS),
    [](const ::testing::TestParamInfo<DialogRow>& info) { return std::string(info.param.name); });

std::string RawData(unsigned number) {
    HRSRC info = FindResourceExA(NULL, MAKEINTRESOURCEA(10), MAKEINTRESOURCEA(number),
                                 MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    if (!info) return std::string();
    return std::string(static_cast<const char*>(LockResource(LoadResource(NULL, info))), SizeofResource(NULL, info));
}

TEST(Resources, BannerBitmapIs497By70At24Bits) {
    HRSRC info = FindResourceA(NULL, MAKEINTRESOURCEA(IDB_BANNER), MAKEINTRESOURCEA(2));
    ASSERT_NE(info, nullptr);
    BITMAPINFOHEADER header;
    ASSERT_GE(SizeofResource(NULL, info), sizeof(header));
    std::memcpy(&header, LockResource(LoadResource(NULL, info)), sizeof(header));
    EXPECT_EQ(header.biWidth, 497);
    EXPECT_EQ(std::abs(header.biHeight), 70);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_NE(LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_BANNER)), nullptr);
}

TEST(Resources, IconGroupExists) {
    EXPECT_NE(FindResourceA(NULL, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), MAKEINTRESOURCEA(14)), nullptr);
    EXPECT_NE(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_APPLICATION_ICON)), nullptr);
}

// The build embeds the sample payload, whose files have the sizes that the manifest lists.
TEST(Resources, PayloadUnderChineseLanguageWithManifestSizes) {
    const struct { unsigned number; DWORD size; } payload[] = {
        {210, 671744}, {211, 77762}, {212, 301259}, {213, 814338}, {214, 806949},
        {215, 635761}, {216, 748795}, {230, 675840}, {250, 5778}};
    for (const auto& p : payload) EXPECT_EQ(RawData(p.number).size(), p.size) << p.number;
    EXPECT_EQ(RawData(211).substr(0, 4), "ITSF");
}

TEST(Resources, LicenceTextsArePlainTextInTheirCodePages) {
    const UINT codePages[3] = {936, 950, 20127};
    for (int lang = 0; lang < 3; ++lang) {
        std::string text = RawData(IDR_LICENSE_BASE + lang);
        ASSERT_FALSE(text.empty()) << lang;
        EXPECT_NE(text.back(), '\0') << lang;
        for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed in licence " << lang;
        if (lang == 2) continue;  // checked byte by byte below
        EXPECT_GT(MultiByteToWideChar(codePages[lang], MB_ERR_INVALID_CHARS, text.data(),
                                      static_cast<int>(text.size()), NULL, 0), 0) << lang;
    }
    // English: ASCII apart from the code-page-936 book-title brackets, which come in pairs.
    std::string english = RawData(IDR_LICENSE_BASE + 2);
    int opening = 0, closing = 0;
    for (size_t i = 0; i < english.size(); ++i) {
        unsigned char c = english[i];
        if (c < 0x80) continue;
        ASSERT_TRUE(c == 0xA1 && i + 1 < english.size()) << "byte " << i;
        unsigned char next = english[++i];
        ASSERT_TRUE(next == 0xB6 || next == 0xB7) << "byte " << i;
        (next == 0xB6 ? opening : closing)++;
    }
    EXPECT_GT(opening, 0);
    EXPECT_EQ(opening, closing);
}
}  // namespace
