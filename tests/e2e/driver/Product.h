// What the driver knows about the product and the machine: the user-interface languages and
// their texts, the Windows releases, and where an installation leaves its traces.
#pragma once
#include "Machine.h"
#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

// ---- languages -----------------------------------------------------------------------
enum class Lang { SimplifiedChinese, TraditionalChinese, English };
// The language Setup.exe picks on this machine: from the OEM code page, as it does.
Lang CurrentLang();
const char* LangTag(Lang lang);        // "zh_CN", "zh_TW", "en_US"
const char* LangCode(Lang lang);       // "0804", "0404", "0409": the string file's name
// One text of the language's string file, read from its UTF-8 source; "\n" becomes a line
// break, and with `formatted` the product name takes the place of "%s".
std::wstring LangText(const char* section, const char* key, bool formatted = false);
std::wstring FromUtf8(const std::string& text);
// The language's string file source is res/lang/<code>.lng of the source tree, unless
// E2E_LNG_FILE or UseLangFile names another file (UTF-8) for the current language.
void UseLangFile(const std::wstring& path);
bool HasLangText(const char* section, const char* key);
// "SECTION/KEY" of the entry whose text, plain or with the product name put in, is `text`;
// empty when no entry gives it.
std::string LangKeyOf(const std::wstring& text);
// The first line of the language's licence agreement, from its UTF-8 source.
std::wstring LicenceFirstLine();

// ---- Windows releases ----------------------------------------------------------------
struct Release {
    const char* name;      // Wine's name for it
    int moduleResource;    // which IME module build gets installed
    bool writesDriver;     // whether start-up writes the support driver
    bool commonPrograms;   // shortcut below the all-users Programs folder
};
const std::vector<Release>& Releases();
const Release& FindRelease(const std::string& name);

// ---- files (the machine's facts come from the tests' shared support) -------------------
using machine::ImeFolder;
using machine::IsDirectory;
using machine::IsFile;
using machine::MakerImeFolder;
using machine::ReadBytes;
using machine::SystemDir;
std::wstring DriverPath();
struct InstalledFile {
    std::wstring path;
    int resource;
};
// The seven files an installation writes, with the resource each must hold.
std::vector<InstalledFile> InstalledFiles(int moduleResource);
// The bytes resource `number` was built from: res/payload.manifest names the file.
const std::string& PayloadBytes(int number);
FILETIME LastWrite(const std::wstring& path);

// ---- Start menu ----------------------------------------------------------------------
using machine::ProgramsFolder;
std::wstring ProductMenuFolder(Lang lang, bool common);  // Programs + \Quorvel\<name>
std::wstring ShortcutPath(Lang lang, bool common);
// Points the current user's Programs folder at path, as a user who moved it has it.
void MoveProgramsFolder(const std::wstring& path);
// Target of a shortcut file; empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& linkPath);

// ---- registry ------------------------------------------------------------------------
using machine::kProductKey;  // below HKLM and HKCU
using machine::KeyExists;
using machine::ReadValue;
using machine::RegValue;
extern const wchar_t* const kLayoutsKey;   // below HKLM
// Stores a REG_SZ value, creating the key when needed.
void WriteText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text);
extern const wchar_t* const kPreloadKey;   // below HKCU
std::wstring LayoutKey(const std::wstring& handleText);
// Names of the layout keys whose "Ime File" is the product's module, by its file name.
std::vector<std::wstring> ProductLayouts();

// Removes every trace of the product from the prefix, so that the next run starts clean
// even after a failed one.
void RemoveProductTraces();

}  // namespace e2e
