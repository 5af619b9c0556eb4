#include "driver/Product.h"
#include "driver/Check.h"
#include "driver/SetupProcess.h"
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <map>

namespace e2e {

// ---- languages -----------------------------------------------------------------------

Lang CurrentLang() {
    switch (GetOEMCP()) {
    case 936: return Lang::SimplifiedChinese;
    case 950: return Lang::TraditionalChinese;
    default: return Lang::English;
    }
}

const char* LangTag(Lang lang) {
    switch (lang) {
    case Lang::SimplifiedChinese: return "zh_CN";
    case Lang::TraditionalChinese: return "zh_TW";
    default: return "en_US";
    }
}

const char* LangCode(Lang lang) {
    switch (lang) {
    case Lang::SimplifiedChinese: return "0804";
    case Lang::TraditionalChinese: return "0404";
    default: return "0409";
    }
}

std::wstring FromUtf8(const std::string& text) { return machine::Wide(text, CP_UTF8); }

namespace {
std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return std::string();
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// section|key (lower case) -> raw UTF-8 value of the language's string file source.
using LangTable = std::map<std::string, std::string>;
std::map<Lang, LangTable>& Tables() {
    static std::map<Lang, LangTable> tables;
    return tables;
}
std::wstring g_langFile;

// The file given by UseLangFile or E2E_LNG_FILE (a file being checked for the current
// language), or the source tree's.
std::wstring LangFilePath(Lang lang) {
    if (lang == CurrentLang()) {
        if (!g_langFile.empty()) return g_langFile;
        std::wstring given = WindowsPathFromEnvironment("E2E_LNG_FILE", false);
        if (!given.empty()) return given;
    }
    return SourceDir() + L"\\res\\lang\\" + FromUtf8(LangCode(lang)) + L".lng";
}

const LangTable& SourceTable(Lang lang) {
    std::map<Lang, LangTable>& tables = Tables();
    auto found = tables.find(lang);
    if (found != tables.end()) return found->second;
    std::wstring path = LangFilePath(lang);
    bool exists = false;
    std::string content = ReadBytes(path, &exists);
    REQUIRE(exists);
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
    LangTable table;
    std::string section;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::string line = Trim(content.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = Lower(line.substr(1, line.find(']') - 1));
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        table[section + "|" + Lower(Trim(line.substr(0, equals)))] = value;
    }
    return tables[lang] = table;
}

std::string RawText(const char* section, const char* key) {
    const LangTable& table = SourceTable(CurrentLang());
    auto found = table.find(Lower(section) + "|" + Lower(key));
    return found == table.end() ? std::string("Error") : found->second;
}
}  // namespace

std::wstring LangText(const char* section, const char* key, bool formatted) {
    std::string raw = RawText(section, key), out;
    std::string product = formatted ? RawText("MAIN", "PRODUCT_NAME") : std::string();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else if (formatted && raw[i] == '%' && i + 1 < raw.size() && (raw[i + 1] == 's' || raw[i + 1] == '%')) {
            out += raw[i + 1] == 's' ? product : std::string("%");
            ++i;
        } else {
            out += raw[i];
        }
    }
    return FromUtf8(out);
}

bool HasLangText(const char* section, const char* key) {
    return SourceTable(CurrentLang()).count(Lower(section) + "|" + Lower(key)) != 0;
}

std::string LangKeyOf(const std::wstring& text) {
    if (text.empty()) return std::string();
    for (const auto& entry : SourceTable(CurrentLang())) {
        size_t bar = entry.first.find('|');
        std::string section = entry.first.substr(0, bar), key = entry.first.substr(bar + 1);
        if (LangText(section.c_str(), key.c_str()) != text && LangText(section.c_str(), key.c_str(), true) != text)
            continue;
        std::string name = section + "/" + key;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return name;
    }
    return std::string();
}

void UseLangFile(const std::wstring& path) {
    g_langFile = path;
    Tables().erase(CurrentLang());
}

std::wstring LicenceFirstLine() {
    static const char* const names[] = {"zh-CN", "zh-TW", "en"};
    bool exists = false;
    std::string text = ReadBytes(SourceDir() + L"\\res\\licence\\licence-" +
                                     FromUtf8(names[static_cast<int>(CurrentLang())]) + L".txt",
                                 &exists);
    REQUIRE(exists);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    return FromUtf8(Trim(text.substr(0, text.find('\n'))));
}

// ---- Windows releases ----------------------------------------------------------------

const std::vector<Release>& Releases() {
    // The module for Windows 95/98/ME/NT 4 is resource 210, for Windows 2000 and later 230;
    // NT 6 and later get no driver and the all-users Start menu.
    static const std::vector<Release> releases = {
        {"win98", 210, true, false},  {"winme", 210, true, false},   {"nt40", 210, true, false},
        {"win2k", 230, true, false},  {"winxp", 230, true, false},   {"win2003", 230, true, false},
        {"vista", 230, false, true},  {"win10", 230, false, true}};
    return releases;
}

const Release& FindRelease(const std::string& name) {
    for (const Release& release : Releases())
        if (name == release.name) return release;
    ReportFailure(__FILE__, __LINE__, "unknown Windows release " + name);
    throw ScenarioAbort{"unknown release"};
}

// ---- files ---------------------------------------------------------------------------

std::wstring DriverPath() { return SystemDir() + L"\\Vsock28.vxd"; }

std::vector<InstalledFile> InstalledFiles(int moduleResource) {
    std::wstring folder = ImeFolder() + L"\\";
    return {{SystemDir() + L"\\ZkV4Ivi.ime", moduleResource},
            {folder + L"Help.chm", 211},    {folder + L"QueryPY.dat", 212},
            {folder + L"PhrChs.dat", 213},  {folder + L"PhrCht.dat", 214},
            {folder + L"ZkSDChs.dat", 215}, {folder + L"ZkSDCht.dat", 216}};
}

const std::string& PayloadBytes(int number) {
    static std::map<int, std::string> cache;
    auto cached = cache.find(number);
    if (cached != cache.end()) return cached->second;
    bool exists = false;
    std::string manifest = ReadBytes(SourceDir() + L"\\res\\payload.manifest", &exists);
    REQUIRE(exists);
    std::string name;
    size_t pos = 0;
    while (pos < manifest.size() && name.empty()) {
        size_t end = manifest.find('\n', pos);
        if (end == std::string::npos) end = manifest.size();
        std::string line = manifest.substr(pos, end - pos);
        pos = end + 1;
        char file[261] = {0};
        int row = 0;
        if (std::sscanf(line.c_str(), "%d %260s", &row, file) == 2 && row == number) name = file;
    }
    REQUIRE(!name.empty());
    std::string bytes = ReadBytes(PayloadDir() + L"\\" + FromUtf8(name), &exists);
    REQUIRE(exists);
    return cache[number] = bytes;
}

FILETIME LastWrite(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// ---- Start menu ----------------------------------------------------------------------

std::wstring ProductMenuFolder(Lang lang, bool common) {
    static const wchar_t* const names[] = {L"智能Zk输入法2006专业版", L"智能Zk輸入法2006專業版",
                                           L"Zk IME 2006 Professional Edition"};
    return machine::MakerMenuFolder(common) + L"\\" + names[static_cast<int>(lang)];
}

std::wstring ShortcutPath(Lang lang, bool common) {
    static const wchar_t* const names[] = {L"帮助文件.lnk", L"幫助檔.lnk", L"Help.lnk"};
    return ProductMenuFolder(lang, common) + L"\\" + names[static_cast<int>(lang)];
}

void MoveProgramsFolder(const std::wstring& path) {
    const std::wstring explorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
    for (const wchar_t* key : {L"User Shell Folders", L"Shell Folders"})
        WriteText(HKEY_CURRENT_USER, explorer + key, L"Programs", path);
}

std::wstring ShortcutTarget(const std::wstring& linkPath) {
    static bool comReady = SUCCEEDED(CoInitialize(NULL));
    if (!comReady) return std::wstring();
    IShellLinkW* link = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::wstring();
    std::wstring target;
    IPersistFile* file = NULL;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH + 1] = {0};
        if (SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, NULL, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

// ---- registry ------------------------------------------------------------------------

const wchar_t* const kLayoutsKey = L"System\\CurrentControlSet\\Control\\Keyboard Layouts";

const wchar_t* const kPreloadKey = L"Keyboard Layout\\Preload";

void WriteText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    HKEY handle;
    REQUIRE(RegCreateKeyExW(root, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) == ERROR_SUCCESS);
    RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

std::wstring LayoutKey(const std::wstring& handleText) {
    return std::wstring(kLayoutsKey) + L"\\" + handleText;
}

std::vector<std::wstring> ProductLayouts() {
    std::vector<std::wstring> found;
    HKEY layouts;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLayoutsKey, 0, KEY_READ, &layouts) != ERROR_SUCCESS) return found;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD size = 256;
        if (RegEnumKeyExW(layouts, index, name, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) break;
        std::wstring file = ReadValue(layouts, name, L"Ime File").Text();
        std::wstring fileName = file.substr(file.find_last_of(L"\\/") + 1);
        if (lstrcmpiW(fileName.c_str(), L"ZkV4Ivi.ime") == 0) found.push_back(name);
    }
    RegCloseKey(layouts);
    return found;
}

namespace {
void DeleteProductLayouts() {
    for (const std::wstring& name : ProductLayouts()) RegDeleteKeyW(HKEY_LOCAL_MACHINE, LayoutKey(name).c_str());
}
}  // namespace

void RemoveProductTraces() {
    machine::RemoveProductTraces();
    DeleteProductLayouts();
}

}  // namespace e2e
