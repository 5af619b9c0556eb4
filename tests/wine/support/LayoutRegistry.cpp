#include "LayoutRegistry.h"
#include "RegistryFixture.h"

namespace testlayout {
namespace {
const char kPreloadKey[] = "Keyboard Layout\\Preload";
}

const char* const kControlSets[4] = {"ControlSet001", "ControlSet002", "ControlSet003",
                                     "CurrentControlSet"};

std::string LayoutsKey(const char* controlSet) {
    return std::string("SYSTEM\\") + controlSet + "\\Control\\Keyboard Layouts";
}

std::string LayoutKey(const char* controlSet, const std::string& name) {
    return LayoutsKey(controlSet) + "\\" + name;
}

void CreateLayoutKey(const char* controlSet, const std::string& name) {
    std::string path = name.empty() ? LayoutsKey(controlSet) : LayoutKey(controlSet, name);
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                        NULL) == ERROR_SUCCESS)
        RegCloseKey(key);
}

std::string LayoutText(const std::string& name) {
    std::optional<std::string> raw =
        testreg::GetRaw(HKEY_LOCAL_MACHINE, LayoutKey("CurrentControlSet", name), "Layout Text");
    if (!raw) return "";
    return raw->substr(0, raw->find('\0'));
}

void ResetLayouts() {
    for (int set = 0; set < 3; ++set)
        testreg::DeleteTree(HKEY_LOCAL_MACHINE, std::string("SYSTEM\\") + kControlSets[set]);
    // A fresh prefix has no "Keyboard Layouts" key at all: everything below it is ours.
    testreg::DeleteTree(HKEY_LOCAL_MACHINE, LayoutsKey("CurrentControlSet"));
    HKEY preload;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPreloadKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &preload,
                        NULL) != ERROR_SUCCESS)
        return;
    for (const std::string& name : testreg::ValueNames(HKEY_CURRENT_USER, kPreloadKey))
        if (name != "1") RegDeleteValueA(preload, name.c_str());
    RegCloseKey(preload);
}

void AddPreload(const PreloadValue& value) {
    testreg::SetValue(HKEY_CURRENT_USER, kPreloadKey, value.name, value.type, value.data.c_str(),
                      static_cast<DWORD>(value.data.size() + 1));
}

std::vector<PreloadValue> Preload() {
    std::vector<PreloadValue> values;
    for (const std::string& name : testreg::ValueNames(HKEY_CURRENT_USER, kPreloadKey)) {
        DWORD type = 0;
        std::optional<std::string> raw = testreg::GetRaw(HKEY_CURRENT_USER, kPreloadKey, name, &type);
        if (!raw) continue;
        values.push_back({name, type, raw->substr(0, raw->find('\0'))});
    }
    return values;
}
}  // namespace testlayout
