// Registration of the IME as a keyboard layout and removal of an earlier one.
#pragma once
#include <windows.h>
#include <cstdint>

#define PRELOAD_KEY "Keyboard Layout\\Preload"

// Installs system directory + "\ZkV4Ivi.ime" under MAIN/IME_NAME; 0 when refused.
uint32_t InstallImeLayout();

// Unloads and purges the layout whose handle text the product record under root holds,
// then every other layout of the module; the result tells only of the recorded one.
int RemoveImeLayout(HKEY root);
