// Texts read from real language files through the system's profile reader, and where the
// file of the current language is looked for.
#include "base/SetupGlobals.h"
#include "lang/LangFile.h"
#include "lang/LangText.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <string>
#include <vector>

namespace {
const std::string WORK_DIR = "C:\\lang-test\\";

std::string Text(const char* section, const char* key) {
    char text[LANG_TEXT_SIZE];
    LoadLangString(section, key, text, sizeof(text));
    return text;
}

std::string ProductText(const char* section, const char* key) {
    char text[LANG_FORMATTED_SIZE];
    LoadProductFormattedString(section, key, text, sizeof(text));
    return text;
}

std::string LangDirectory() {
    char folder[MAX_PATH + 1];
    GetLangFileDirectory(folder, sizeof(folder));
    return folder;
}

std::string ExeDirectory() {
    char path[MAX_PATH + 1] = {0};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

class LangFile : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, savedDirectory_);
        CreateDirectoryA(WORK_DIR.c_str(), NULL);
        for (int lang = 0; lang < 3; ++lang)  // left over by an earlier run that crashed
            for (const std::string& folder : {WORK_DIR, ExeDirectory()}) DeleteFileA((folder + LangFileName(lang)).c_str());
        ASSERT_TRUE(SetCurrentDirectoryA(WORK_DIR.c_str()));
        SetupGlobals.langIndex = 2;
    }
    void TearDown() override {
        for (const std::string& file : written_) DeleteFileA(file.c_str());
        SetCurrentDirectoryA(savedDirectory_);
        RemoveDirectoryA(WORK_DIR.c_str());
        SetupGlobals.langIndex = 0;
    }
    // Writes a language file of the given index into folder; removed again after the test.
    void Write(const std::string& folder, int langIndex, const std::string& bytes) {
        std::string path = folder + LangFileName(langIndex);
        std::ofstream(path, std::ios::binary) << bytes;
        written_.push_back(path);
    }

private:
    char savedDirectory_[MAX_PATH + 1] = {0};
    std::vector<std::string> written_;
};

struct ValueCase {
    const char* name;
    std::string line;      // the line of the [MAIN] section that is read
    const char* section;
    const char* key;
    std::string expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class LangValue : public LangFile, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(LangValue, ReadAsTheSetupProgramSeesIt) {
    const ValueCase& c = GetParam();
    Write(WORK_DIR, 2, "; comment\r\n[MAIN]\r\n" + c.line + "\r\nOTHER=x\r\n\r\n[STR]\r\n1=Cancel\r\n");
    EXPECT_EQ(Text(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, LangValue, ::testing::Values(
    ValueCase{"Plain", "PRODUCT_NAME=Zk IME", "MAIN", "PRODUCT_NAME", "Zk IME"},
    ValueCase{"MissingSection", "PRODUCT_NAME=Zk IME", "TITLE", "PRODUCT_NAME", "Error"},
    ValueCase{"MissingKey", "PRODUCT_NAME=Zk IME", "MAIN", "IME_NAME", "Error"},
    ValueCase{"NamesIgnoreCase", "PRODUCT_NAME=Zk IME", "main", "product_name", "Zk IME"},
    ValueCase{"EmptyValueIsNotMissing", "PRODUCT_NAME=", "MAIN", "PRODUCT_NAME", ""},
    ValueCase{"BlanksAndQuotesStripped", "PRODUCT_NAME =   \"Zk IME\"  ", "MAIN", "PRODUCT_NAME", "Zk IME"},
    ValueCase{"InnerQuotesKept", "PRODUCT_NAME=say \"hi\" now", "MAIN", "PRODUCT_NAME", "say \"hi\" now"},
    ValueCase{"GbkBytesUnchanged", "PRODUCT_NAME=\xD6\xC7\xC4\xDC" "Zk\xCA\xE4\xC8\xEB\xB7\xA8", "MAIN",
              "PRODUCT_NAME", "\xD6\xC7\xC4\xDC" "Zk\xCA\xE4\xC8\xEB\xB7\xA8"},
    ValueCase{"LineBreakEscape", "PRODUCT_NAME=first\\nsecond C:\\new", "MAIN", "PRODUCT_NAME",
              "first\nsecond C:\new"},
    ValueCase{"LongValueCutTo511Bytes", "PRODUCT_NAME=" + std::string(600, 'v'), "MAIN", "PRODUCT_NAME",
              std::string(511, 'v')},
    ValueCase{"OtherSection", "PRODUCT_NAME=Zk IME", "STR", "1", "Cancel"}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST_F(LangFile, NoFileGivesError) {
    EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), "Error");
    EXPECT_EQ(ProductText("TITLE", "1"), "Error");
}

TEST_F(LangFile, FormattedTextReceivesTheProductName) {
    Write(WORK_DIR, 2, "[MAIN]\r\nPRODUCT_NAME=Zk 100%\r\n[TITLE]\r\n1=Welcome to %s (%d%%)\r\n");
    EXPECT_EQ(ProductText("TITLE", "1"), "Welcome to Zk 100% (%d%)");
}

TEST_F(LangFile, LanguageIndexPicksTheFile) {
    const char* names[3] = {"simplified", "traditional", "english"};
    for (int lang = 0; lang < 3; ++lang)
        Write(WORK_DIR, lang, std::string("[MAIN]\r\nPRODUCT_NAME=") + names[lang] + "\r\n");
    for (int lang : {0, 1, 2, 0}) {
        SetupGlobals.langIndex = lang;
        EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), names[lang]) << lang;
    }
}

// Started through a shortcut whose working folder differs, the program still finds the texts
// that lie beside it; a file in the current directory is the fallback.
TEST_F(LangFile, FileBesideTheExecutableWinsOverCurrentDirectory) {
    Write(WORK_DIR, 2, "[MAIN]\r\nPRODUCT_NAME=current\r\n");
    EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), "current");
    EXPECT_EQ(LangDirectory(), WORK_DIR);
    Write(ExeDirectory(), 2, "[MAIN]\r\nPRODUCT_NAME=beside\r\n");
    EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), "beside");
    EXPECT_EQ(LangDirectory(), ExeDirectory());
}

TEST_F(LangFile, OnlyTheCurrentLanguagesFileBesideTheExecutableCounts) {
    Write(ExeDirectory(), 2, "[MAIN]\r\nPRODUCT_NAME=english beside\r\n");
    Write(WORK_DIR, 0, "[MAIN]\r\nPRODUCT_NAME=simplified current\r\n");
    SetupGlobals.langIndex = 0;
    EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), "simplified current");
    SetupGlobals.langIndex = 2;
    EXPECT_EQ(Text("MAIN", "PRODUCT_NAME"), "english beside");
}

TEST_F(LangFile, SetupDirectoryEndsInOneBackslash) {
    char buffer[MAX_PATH] = {0};
    EXPECT_EQ(GetSetupDirectory(buffer, sizeof(buffer)), static_cast<int>(WORK_DIR.size() - 1));
    EXPECT_EQ(std::string(buffer), WORK_DIR);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(GetSetupDirectory(buffer, sizeof(buffer)), 3);
    EXPECT_STREQ(buffer, "C:\\");
}
}  // namespace
