// Redirecting a function the executable calls, for the trap library inside Setup.exe.
#pragma once
#include <windows.h>

// Points every slot of the executable's writable sections that holds dll!function at
// replacement: its import slot, or the slot where it keeps what GetProcAddress gave it.
// Returns the old target, or nullptr when no slot held it.
inline void* PatchFunction(const char* dll, const char* function, void* replacement) {
    HMODULE library = GetModuleHandleA(dll);
    void* target = library ? reinterpret_cast<void*>(GetProcAddress(library, function)) : nullptr;
    if (!target) return nullptr;
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(NULL));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    bool patched = false;
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (!(section->Characteristics & IMAGE_SCN_MEM_WRITE)) continue;
        auto* slot = reinterpret_cast<void**>(base + section->VirtualAddress);
        for (DWORD n = section->Misc.VirtualSize / sizeof(void*); n; --n, ++slot) {
            if (*slot != target) continue;
            DWORD protection = 0;
            VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
            *slot = replacement;
            VirtualProtect(slot, sizeof(*slot), protection, &protection);
            patched = true;
        }
    }
    return patched ? target : nullptr;
}

// True inside Setup.exe, the only process the trap acts in.
inline bool InSetupExe() {
    char path[MAX_PATH + 1] = {0};
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    return length >= 10 && lstrcmpiA(path + length - 10, "\\Setup.exe") == 0;
}
