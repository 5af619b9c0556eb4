// Registering the IME as a keyboard layout and purging the layout an earlier run recorded,
// against Wine's real registry.
#include "LangFolder.h"
#include "LayoutRegistry.h"
#include "RegistryFixture.h"
#include "base/SetupGlobals.h"
#include "registry/ProductRecord.h"
#include "system/ImeLayout.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>

using testlayout::PreloadValue;

namespace {
const char kPreload[] = "Keyboard Layout\\Preload";

class ImeLayout : public ::testing::Test {
protected:
    void SetUp() override {
        SetupGlobals.langIndex = 2;
        m_lang.Write("0409.lng", testtext::EnglishFile());
        testlayout::ResetLayouts();
        testreg::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Quorvel");
    }
    void TearDown() override {
        testlayout::ResetLayouts();
        testreg::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Quorvel");
    }
    LangFolder m_lang;
};

// Layout keys are named by handle text; an empty name stands for the list key itself.
std::string ListedKey(const char* controlSet, const std::string& name) {
    return name.empty() ? testlayout::LayoutsKey(controlSet) : testlayout::LayoutKey(controlSet, name);
}

// TEXT_WITHOUT_NUL stores the text without its terminator, as another writer may on Windows.
// Wine adds the terminator itself (and reports one more byte for a text stored without it),
// so there these cases behave like their terminated twins.
enum RecordKind { NO_RECORD, TEXT_WITH_NUL, TEXT_WITHOUT_NUL, EXPAND_SZ_TEXT };

struct RemoveCase {
    const char* name;
    RecordKind record;
    const char* text;     // stored as ImeHKL
    const char* keyName;  // layout key created in each control set
    bool onlyControlSet001;
    std::vector<PreloadValue> preload;  // added after Wine's own value "1"
    int result;
    bool keysDeleted;
    std::vector<std::string> preloadDeleted;
    const char* imeFile = "";  // "Ime File" of each layout key; "" for none
};

class RemoveImeLayoutCases : public ImeLayout, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveImeLayoutCases, PurgesOnlyTheRecordedLayout) {
    const RemoveCase& c = GetParam();
    if (c.record != NO_RECORD)
        testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", c.text,
                           c.record == EXPAND_SZ_TEXT ? REG_EXPAND_SZ : REG_SZ, c.record != TEXT_WITHOUT_NUL);
    for (int set = 0; set < 4; ++set)
        if (!c.onlyControlSet001 || set == 0 || set == 3) {
            testlayout::CreateLayoutKey(testlayout::kControlSets[set], c.keyName);
            if (*c.keyName && *c.imeFile)
                testreg::SetString(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(testlayout::kControlSets[set], c.keyName),
                                   "Ime File", c.imeFile);
        }
    for (const PreloadValue& value : c.preload) testlayout::AddPreload(value);
    std::vector<PreloadValue> before = testlayout::Preload();
    // Values are created in name order, so "first in enumeration order" means the same on
    // Windows (creation order) and on Wine (name order).
    ASSERT_EQ(before.size(), c.preload.size() + 1);
    for (size_t i = 0; i < c.preload.size(); ++i) ASSERT_EQ(before[i + 1].name, c.preload[i].name);

    EXPECT_EQ(RemoveImeLayout(HKEY_LOCAL_MACHINE), c.result);

    for (int set = 0; set < 4; ++set) {
        const char* controlSet = testlayout::kControlSets[set];
        bool created = !c.onlyControlSet001 || set == 0 || set == 3;
        bool expected = created && !c.keysDeleted;
        EXPECT_EQ(testreg::KeyExists(HKEY_LOCAL_MACHINE, ListedKey(controlSet, c.keyName)), expected)
            << controlSet;
        if (!created) {
            EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, std::string("SYSTEM\\") + controlSet))
                << controlSet << " was created by the removal";
        }
    }
    std::vector<PreloadValue> expected;
    for (const PreloadValue& value : before)
        if (std::find(c.preloadDeleted.begin(), c.preloadDeleted.end(), value.name) == c.preloadDeleted.end())
            expected.push_back(value);
    EXPECT_EQ(testlayout::Preload(), expected);
}

PreloadValue Sz(const char* name, const char* data) { return {name, REG_SZ, data}; }
const char kOurs[] = "C:\\windows\\system32\\ZkV4Ivi.ime";

INSTANTIATE_TEST_SUITE_P(Records, RemoveImeLayoutCases, ::testing::Values(
    RemoveCase{"NoRecord", NO_RECORD, "", "E0200804", false, {Sz("2", "E0200804")}, 0, false, {}},
    RemoveCase{"UpperCaseText", TEXT_WITH_NUL, "E0200804", "E0200804", false,
               {Sz("2", "00000804"), Sz("3", "E0200804"), Sz("4", "00000409")}, 1, true, {"3"}, kOurs},
    RemoveCase{"LowerCaseTextMatchesUpperCaseNames", TEXT_WITH_NUL, "e0200804", "E0200804", false,
               {Sz("2", "E0200804")}, 1, true, {"2"}, kOurs},
    RemoveCase{"TextStoredWithoutTerminator", TEXT_WITHOUT_NUL, "E0200804", "E0200804", false,
               {Sz("2", "E0200804")}, 1, true, {"2"}, kOurs},
    RemoveCase{"NotHexadecimal", TEXT_WITH_NUL, "E020080G", "E020080G", false, {Sz("2", "E020080G")},
               0, false, {}},
    RemoveCase{"Zero", TEXT_WITH_NUL, "0", "0", false, {Sz("2", "0")}, 0, false, {}},
    RemoveCase{"EmptyTextLeavesTheListKeys", TEXT_WITH_NUL, "", "", false, {Sz("2", "")}, 0, false, {}},
    RemoveCase{"NineCharactersAreUnreadable", TEXT_WITH_NUL, "E02008041", "E0200804", false,
               {Sz("2", "E0200804")}, 0, false, {}},
    RemoveCase{"NineCharactersWithoutTerminator", TEXT_WITHOUT_NUL, "E02008041", "E0200804", false,
               {Sz("2", "E0200804")}, 0, false, {}},
    RemoveCase{"RecordOfAnotherType", EXPAND_SZ_TEXT, "E0200804", "E0200804", false,
               {Sz("2", "E0200804")}, 0, false, {}},
    RemoveCase{"OnlyTheFirstMatchGoes", TEXT_WITH_NUL, "E0200804", "E0200804", false,
               {Sz("2", "e0200804"), Sz("3", "E0200804"), Sz("4", "E0200804"), Sz("5", "00000804")}, 1,
               true, {"2"}, kOurs},
    RemoveCase{"ExpandableStringIsNoMatch", TEXT_WITH_NUL, "E0200804", "E0200804", false,
               {{"2", REG_EXPAND_SZ, "E0200804"}, Sz("3", "E0200804")}, 1, true, {"3"}, kOurs},
    RemoveCase{"WholeTextsAreCompared", TEXT_WITH_NUL, "E0200804", "E0200804", false,
               {Sz("2", "E02008040"), Sz("3", "E020080"), Sz("4", " E0200804")}, 1, true, {}, kOurs},
    RemoveCase{"OnlyControlSet001", TEXT_WITH_NUL, "E0200804", "E0200804", true,
               {Sz("2", "E0200804")}, 1, true, {"2"}, kOurs},
    RemoveCase{"OurModuleInAnotherFolder", TEXT_WITH_NUL, "E0200804", "E0200804", false,
               {Sz("2", "E0200804")}, 1, true, {"2"}, "D:\\Old\\zkv4ivi.IME"},
    // A stale or damaged record can name a layout that is not ours: it is left alone.
    RemoveCase{"AnotherModulesLayout", TEXT_WITH_NUL, "E0F00804", "E0F00804", false,
               {Sz("2", "E0F00804")}, 0, false, {}, "OTHERIME.IME"},
    RemoveCase{"LayoutOfNoModule", TEXT_WITH_NUL, "00000804", "00000804", false,
               {Sz("2", "00000804")}, 0, false, {}},
    RemoveCase{"NoControlSetListsTheHandle", TEXT_WITH_NUL, "E0200804", "E0210804", false,
               {Sz("2", "E0200804")}, 1, false, {"2"}}),
    [](const ::testing::TestParamInfo<RemoveCase>& info) { return std::string(info.param.name); });

TEST_F(ImeLayout, MissingPreloadListStillPurgesTheSystemLists) {
    std::optional<std::string> wineDefault = testreg::GetRaw(HKEY_CURRENT_USER, kPreload, "1");
    testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", "E0200804");
    for (const char* controlSet : testlayout::kControlSets) {
        testlayout::CreateLayoutKey(controlSet, "E0200804");
        testreg::SetString(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, "E0200804"), "Ime File", kOurs);
    }
    testreg::DeleteTree(HKEY_CURRENT_USER, kPreload);

    EXPECT_EQ(RemoveImeLayout(HKEY_LOCAL_MACHINE), 0);
    for (const char* controlSet : testlayout::kControlSets)
        EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, "E0200804")));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, kPreload)) << "the removal must not create the list";
    if (wineDefault)
        testreg::SetValue(HKEY_CURRENT_USER, kPreload, "1", REG_SZ, wineDefault->data(),
                          static_cast<DWORD>(wineDefault->size()));
}

// A run ended between registering and recording leaves a layout of the module that no record
// names; the next removal takes it too, told by the file name alone, and leaves other IMEs.
TEST_F(ImeLayout, UnrecordedLayoutsOfTheModuleGoToo) {
    struct Listed {
        const char* key;
        const char* imeFile;
        bool removed;
    };
    const Listed listed[] = {
        {"E0200804", "C:\\windows\\system32\\ZkV4Ivi.ime", true},  // recorded
        {"E0210804", "C:\\windows\\system32\\ZkV4Ivi.ime", true},
        {"E0220804", "zkv4ivi.IME", true},
        {"E0230804", "D:\\old\\ZkV4Ivi.ime", true},
        {"E0240804", "C:\\windows\\system32\\ZkV4Ivi.ime.old", false},
        {"E0250804", "C:\\windows\\system32\\OtherIme.ime", false},
        {"E0260804", "C:\\ZkV4Ivi.ime\\Other.ime", false},
        {"00000409", "", false}};
    testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", "E0200804");
    for (const char* controlSet : {"ControlSet001", "CurrentControlSet"}) {
        for (const Listed& layout : listed) {
            testlayout::CreateLayoutKey(controlSet, layout.key);
            if (*layout.imeFile)
                testreg::SetString(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, layout.key), "Ime File",
                                   layout.imeFile);
        }
    }
    testlayout::AddPreload({"2", REG_SZ, "E0210804"});
    testlayout::AddPreload({"3", REG_SZ, "E0250804"});

    EXPECT_EQ(RemoveImeLayout(HKEY_LOCAL_MACHINE), 1);

    for (const char* controlSet : {"ControlSet001", "CurrentControlSet"})
        for (const Listed& layout : listed)
            EXPECT_EQ(testreg::KeyExists(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, layout.key)),
                      !layout.removed) << controlSet << " " << layout.key << " " << layout.imeFile;
    std::vector<PreloadValue> preload = testlayout::Preload();
    ASSERT_EQ(preload.size(), 2u);
    EXPECT_EQ(preload[1], (PreloadValue{"3", REG_SZ, "E0250804"}));
}

std::string HandleText(uint32_t handle) {
    char text[9];
    std::snprintf(text, sizeof(text), "%08X", handle);
    return text;
}

struct InstallCase {
    const char* name;
    bool withLangFile;
    const char* layoutText;
};

class InstallImeLayoutCases : public ImeLayout, public ::testing::WithParamInterface<InstallCase> {};

TEST_P(InstallImeLayoutCases, RegistersTheModuleUnderTheImeName) {
    LangFolder other;  // the fixture's folder stops being current
    if (GetParam().withLangFile) other.Write("0409.lng", testtext::EnglishFile());

    uint32_t handle = InstallImeLayout();

    ASSERT_NE(handle, 0u);
    EXPECT_EQ(handle >> 28, 0xEu) << "an IME's layout handle has E in its top digit";
    std::string key = testlayout::LayoutKey("CurrentControlSet", HandleText(handle));
    ASSERT_TRUE(testreg::KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
    EXPECT_EQ(testlayout::LayoutText(HandleText(handle)), GetParam().layoutText);
    // Windows records the module's file name, Wine the whole path: both end in it.
    std::optional<std::string> imeFile = testreg::GetRaw(HKEY_LOCAL_MACHINE, key, "Ime File");
    ASSERT_TRUE(imeFile.has_value());
    std::string file = imeFile->substr(0, imeFile->find('\0'));
    ASSERT_GE(file.size(), 11u);
    EXPECT_EQ(lstrcmpiA(file.substr(file.size() - 11).c_str(), "ZkV4Ivi.ime"), 0) << file;
}

INSTANTIATE_TEST_SUITE_P(Texts, InstallImeLayoutCases, ::testing::Values(
    InstallCase{"NameFromTheLanguageFile", true, testtext::kImeName},
    InstallCase{"NoLanguageFileGivesError", false, "Error"}),
    [](const ::testing::TestParamInfo<InstallCase>& info) { return std::string(info.param.name); });

// Wine's input-method manager refuses when it cannot create a key below the layout list:
// a volatile list key admits no persistent children.
TEST_F(ImeLayout, RefusalGivesZero) {
    std::string list = testlayout::LayoutsKey("CurrentControlSet");
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, list.c_str(), 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              NULL, &key, NULL), ERROR_SUCCESS);
    RegCloseKey(key);

    EXPECT_EQ(InstallImeLayout(), 0u);
    EXPECT_TRUE(testreg::SubkeyNames(HKEY_LOCAL_MACHINE, list).empty());
}
}  // namespace
