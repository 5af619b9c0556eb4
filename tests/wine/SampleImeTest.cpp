// The sample payload's two IME modules as the input-method manager sees them: installed as
// a layout, loaded from the installed file, reporting their own properties, converting
// nothing. Wine falls back to its built-in IME when a module cannot load, so every case
// looks for the module itself in this process.
#include "ProductFiles.h"
#include <windows.h>
#include <imm.h>
#include <gtest/gtest.h>
#include <string>

namespace {
constexpr DWORD kPropUnicode = IME_PROP_UNICODE;
constexpr DWORD kWineBuiltInProperty = IME_PROP_UNICODE | IME_PROP_AT_CARET;

struct Build {
    const char* name;
    unsigned resource;
    bool unicode;
};

class SampleIme : public ::testing::TestWithParam<Build> {
protected:
    // A file of its own per build: a loaded module cannot be written over.
    std::string ModulePath() const {
        return testfiles::SystemDir() + "\\Sample" + std::to_string(GetParam().resource) + ".ime";
    }
};

// IMEINFO as the module fills it in.
struct ImeInfo {
    DWORD privateDataSize, property, conversionCaps, sentenceCaps, uiCaps, scsCaps, selectCaps;
};
using InquireFunction = BOOL(WINAPI*)(ImeInfo*, void*, DWORD);
using ProcessKeyFunction = BOOL(WINAPI*)(HIMC, UINT, LPARAM, const BYTE*);
using ToAsciiExFunction = UINT(WINAPI*)(UINT, UINT, const BYTE*, void*, UINT, HIMC);
template <typename Function>
Function Entry(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TEST_P(SampleIme, ManagerLoadsTheInstalledModule) {
    std::string path = ModulePath();
    testfiles::WriteAll(path, testfiles::ResourceBytes(GetParam().resource));
    ASSERT_EQ(GetModuleHandleA(path.c_str()), nullptr);

    HKL layout = ImmInstallIMEA(path.c_str(), "Sample");
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(ImmIsIME(layout));
    char file[MAX_PATH + 1] = {0};
    ASSERT_GT(ImmGetIMEFileNameA(layout, file, MAX_PATH), 0u);
    std::string named = file;  // Windows gives the file name, Wine the whole path
    EXPECT_EQ(lstrcmpiA(path.substr(path.size() - named.size()).c_str(), named.c_str()), 0) << named;

    DWORD property = ImmGetProperty(layout, IGP_PROPERTY);
    HMODULE module = GetModuleHandleA(path.c_str());
    ASSERT_NE(module, nullptr) << "the manager did not load " << path;

    auto inquire = Entry<InquireFunction>(module, "ImeInquire");
    ASSERT_NE(inquire, nullptr);
    ImeInfo info = {};
    wchar_t uiClass[MAX_PATH] = {0};
    ASSERT_TRUE(inquire(&info, uiClass, 0));
    EXPECT_EQ(property, info.property);
    EXPECT_NE(property, kWineBuiltInProperty);
    EXPECT_EQ((property & kPropUnicode) != 0, GetParam().unicode);
    EXPECT_EQ(property & 0x1u, 0u) << "IME_PROP_END_UNLOAD would unload it after every call";

    // The UI class named to the manager is registered by the module, as an IME class.
    std::string className = GetParam().unicode ? std::string() : reinterpret_cast<const char*>(uiClass);
    if (GetParam().unicode)
        for (const wchar_t* c = uiClass; *c; ++c) className += static_cast<char>(*c);
    WNDCLASSEXA registered = {};
    registered.cbSize = sizeof(registered);
    ASSERT_TRUE(GetClassInfoExA(module, className.c_str(), &registered)) << className;
    EXPECT_TRUE(registered.style & CS_IME);
}

TEST_P(SampleIme, ExportsEveryEntryPointUndecoratedAndPassesEveryKey) {
    std::string path = ModulePath() + ".keys";
    testfiles::WriteAll(path, testfiles::ResourceBytes(GetParam().resource));
    HMODULE module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr);
    static const char* const entries[] = {
        "ImeInquire", "ImeConfigure", "ImeConversionList", "ImeDestroy", "ImeEscape", "ImeProcessKey",
        "ImeSelect", "ImeSetActiveContext", "ImeToAsciiEx", "NotifyIME", "ImeRegisterWord",
        "ImeUnregisterWord", "ImeGetRegisterWordStyle", "ImeEnumRegisterWord", "ImeSetCompositionString",
        "ImeGetImeMenuItems"};
    for (const char* entry : entries) EXPECT_NE(GetProcAddress(module, entry), nullptr) << entry;

    auto processKey = Entry<ProcessKeyFunction>(module, "ImeProcessKey");
    auto toAscii = Entry<ToAsciiExFunction>(module, "ImeToAsciiEx");
    ASSERT_TRUE(processKey && toAscii);
    BYTE keys[256] = {0};
    for (UINT key : {UINT('A'), UINT('1'), UINT(VK_SPACE), UINT(VK_RETURN), UINT(VK_BACK), UINT(VK_F5)}) {
        EXPECT_FALSE(processKey(NULL, key, 1, keys)) << key;
        EXPECT_EQ(toAscii(key, MapVirtualKeyA(key, 0), keys, NULL, 0, NULL), 0u) << key;
    }
    FreeLibrary(module);
}

TEST_P(SampleIme, VersionResourceSaysInputMethodDriver) {
    std::string path = ModulePath() + ".version";
    testfiles::WriteAll(path, testfiles::ResourceBytes(GetParam().resource));
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), NULL);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &block[0]));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(&block[0], "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DRV));
    EXPECT_EQ(fixed->dwFileSubtype, static_cast<DWORD>(VFT2_DRV_INPUTMETHOD));
    char* description = nullptr;
    ASSERT_TRUE(VerQueryValueA(&block[0], "\\StringFileInfo\\040904E4\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    EXPECT_EQ(std::string(description).rfind("Sample input method of the ZkV4Ivi setup program", 0), 0u)
        << description;
}

INSTANTIATE_TEST_SUITE_P(Builds, SampleIme, ::testing::Values(
    Build{"Windows9x", 210, false}, Build{"Windows2000", 230, true}),
    [](const ::testing::TestParamInfo<Build>& info) { return std::string(info.param.name); });
}  // namespace
