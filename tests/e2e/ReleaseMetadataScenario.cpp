// Release metadata of the shipped Setup.exe, read as Windows tools read it: the version
// information through GetFileVersionInfoA/VerQueryValueA in the locale's code page, and the
// application manifest. Wine starts the program with it (every other scenario does so) but
// shows neither an elevation prompt nor how Windows XP parses the manifest.
#include "driver/Check.h"
#include "driver/Product.h"
#include "driver/SetupProcess.h"

using namespace e2e;

namespace {
std::string Ansi(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, NULL, 0, NULL, NULL);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], size, NULL, NULL);
    return out;
}

std::string StringValue(std::string& block, const char* language, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    std::string query = std::string("\\StringFileInfo\\") + language + "\\" + name;
    if (!VerQueryValueA(&block[0], query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return "<missing>";
    return value;
}

// The manifest's architecture must be the image's, or Windows refuses to start it.
const char* ImageArchitecture(const std::wstring& exe) {
    std::string bytes = ReadBytes(exe);
    if (bytes.size() < 0x40) return "?";
    DWORD peOffset = *reinterpret_cast<const DWORD*>(&bytes[0x3C]);
    if (bytes.size() < peOffset + 6) return "?";
    WORD machine = *reinterpret_cast<const WORD*>(&bytes[peOffset + 4]);
    return machine == IMAGE_FILE_MACHINE_I386 ? "X86" : machine == IMAGE_FILE_MACHINE_AMD64 ? "amd64" : "?";
}
}  // namespace

SCENARIO(release_metadata) {
    std::wstring exe = ProductDir() + L"\\Setup.exe";
    std::string path = Ansi(exe);
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), NULL);
    REQUIRE(size > 0);
    std::string block(size, '\0');
    REQUIRE(GetFileVersionInfoA(path.c_str(), 0, size, &block[0]));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueA(&block[0], "\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
    // 21100, the version the product records, reads major 2, minor 11, revision 00.
    CHECK_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(11, 2)));
    CHECK_EQ(fixed->dwFileVersionLS, 0u);
    CHECK_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    CHECK_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translations = nullptr;
    REQUIRE(VerQueryValueA(&block[0], "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length));
    const WORD expected[] = {0x0804, 936, 0x0404, 950, 0x0409, 1252};
    REQUIRE(length == sizeof(expected));
    for (int i = 0; i < 6; ++i) CHECK_EQ(translations[i], expected[i]);

    // The block of this locale's language, its description in the locale's code page.
    static const char* const languages[] = {"080403A8", "040403B6", "040904E4"};
    const char* language = languages[static_cast<int>(CurrentLang())];
    CHECK_EQ(StringValue(block, language, "CompanyName"), std::string("Quorvel"));
    CHECK_EQ(StringValue(block, language, "ProductName"), std::string("ZkV4Ivi"));
    CHECK_EQ(StringValue(block, language, "OriginalFilename"), std::string("Setup.exe"));
    CHECK_EQ(StringValue(block, language, "FileVersion"), std::string("2.11.0.0"));
    CHECK_EQ(StringValue(block, language, "ProductVersion"), std::string("2.11.0 (21100)"));
    CHECK_EQ(StringValue(block, language, "FileDescription"), Ansi(LangText("MAIN", "DIALOG_TITLE")));

    HMODULE image = LoadLibraryExW(exe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(image != NULL);
    HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    std::string manifest;
    if (found) manifest.assign(static_cast<const char*>(LockResource(LoadResource(image, found))), SizeofResource(image, found));
    FreeLibrary(image);
    REQUIRE(!manifest.empty());
    auto has = [&](const std::string& text) { return manifest.find(text) != std::string::npos; };
    CHECK_MSG(has("<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v2\">"), "no trustInfo of asm.v2");
    CHECK_MSG(has("<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>"),
              "administrator rights are not asked for");
    CHECK_MSG(!has("Common-Controls"), "a common-controls dependency");
    CHECK_MSG(!has("supportedOS"), "supportedOS entries");
    CHECK_MSG(has(std::string("processorArchitecture=\"") + ImageArchitecture(exe) + "\""),
              "the manifest names another architecture than the image's " << ImageArchitecture(exe));
}
