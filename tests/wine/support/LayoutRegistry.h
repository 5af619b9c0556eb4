// The system's keyboard-layout lists and the user's preload list as the layout tests see
// them. Wine's prefix has only CurrentControlSet, as a plain key; tests that need the
// numbered control sets create them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace testlayout {
// "ControlSet001" to "ControlSet003", then "CurrentControlSet".
extern const char* const kControlSets[4];

// "SYSTEM\<controlSet>\Control\Keyboard Layouts", below HKEY_LOCAL_MACHINE.
std::string LayoutsKey(const char* controlSet);
// The same with "\<name>" appended.
std::string LayoutKey(const char* controlSet, const std::string& name);

// Creates the layout key name in the given control set, with every missing key above it.
void CreateLayoutKey(const char* controlSet, const std::string& name);

// "Layout Text" of a layout of the current control set; empty when missing.
std::string LayoutText(const std::string& name);

// Removes the numbered control sets, every layout below the current control set and every
// preload value but "1", which Wine's user32 owns.
void ResetLayouts();

struct PreloadValue {
    std::string name;
    DWORD type;
    std::string data;  // without a terminating NUL
    bool operator==(const PreloadValue& o) const {
        return name == o.name && type == o.type && data == o.data;
    }
};
void AddPreload(const PreloadValue& value);
std::vector<PreloadValue> Preload();  // in enumeration order
}  // namespace testlayout
