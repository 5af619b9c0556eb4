// Common ground of the worker tests: English texts in a language file, the stand-in wizard
// windows, and a system cleared of everything the product writes before and after each case.
#pragma once
#include "LangFolder.h"
#include "WizardWindows.h"
#include <gtest/gtest.h>
#include <optional>
#include <string>

class WorkerFixture : public ::testing::Test {
public:
    // Clears the files, the record in both hives, the layout lists and the Start-menu entries.
    static void ResetSystem();

    // "ImeHKL" of the record as stored (data bytes), nullopt when missing or not REG_SZ.
    static std::optional<std::string> StoredHandle();
    static std::optional<DWORD> StoredVersion();
    // The English shortcut in the current user's Programs folder.
    static std::string EnglishShortcut();
    static std::string EnglishStartMenuFolder();
    static std::string MakerStartMenuFolder();    // "...\Programs\Quorvel"
    // Creates the Start-menu entries on a thread of its own, as a worker does.
    static int CreateShortcutOnFreshThread();

protected:
    void SetUp() override;
    void TearDown() override;

    LangFolder m_lang;
    WizardWindows m_windows;
};

// Registers a layout the way an earlier installation left it on Windows: listed for the module
// (by default ours in the system directory) in the current control set and in ControlSet001
// (on Windows the current one is a link to it), loaded through the user's preload list
// (value "2"), and recorded as "ImeHKL".
void RecordEarlierLayout(const std::string& handleText, const std::string& imeFile = "");
