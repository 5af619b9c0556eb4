#include "WorkerFixture.h"
#include "LayoutRegistry.h"
#include "Machine.h"
#include "ProductFiles.h"
#include "RegistryFixture.h"
#include "StartMenu.h"
#include "base/HostClassification.h"
#include "base/SetupGlobals.h"
#include "registry/ProductRecord.h"
#include "system/Shortcut.h"
#include <shlobj.h>

void WorkerFixture::SetUp() {
    m_lang.Write("0409.lng", testtext::EnglishFile());
    SetupGlobals.langIndex = 2;
    SetupGlobals.osClass = OS_WINXP;
    SetupGlobals.g_closeConfirm = true;
    SetupGlobals.imeHklText[0] = '\0';
    ResetSystem();
}

void WorkerFixture::TearDown() {
    ResetSystem();
}

void WorkerFixture::ResetSystem() {
    machine::RemoveProductTraces();
    testlayout::ResetLayouts();
}

std::optional<std::string> WorkerFixture::StoredHandle() {
    DWORD type = 0;
    std::optional<std::string> raw = testreg::GetRaw(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", &type);
    if (!raw || type != REG_SZ) return std::nullopt;
    return raw;
}

std::optional<DWORD> WorkerFixture::StoredVersion() {
    return testreg::GetDword(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "Version");
}

std::string WorkerFixture::MakerStartMenuFolder() {
    return machine::Narrow(machine::MakerMenuFolder(false));
}

std::string WorkerFixture::EnglishStartMenuFolder() {
    return MakerStartMenuFolder() + "\\Zk IME 2006 Professional Edition";
}

std::string WorkerFixture::EnglishShortcut() {
    return EnglishStartMenuFolder() + "\\Help.lnk";
}

int WorkerFixture::CreateShortcutOnFreshThread() {
    int result = -1;
    teststartmenu::RunOnFreshThread([&] { result = CreateProgramShortcut(); });
    return result;
}

void RecordEarlierLayout(const std::string& handleText, const std::string& imeFile) {
    for (const char* controlSet : {"CurrentControlSet", "ControlSet001"}) {
        testlayout::CreateLayoutKey(controlSet, handleText);
        testreg::SetString(HKEY_LOCAL_MACHINE, testlayout::LayoutKey(controlSet, handleText), "Ime File",
                           imeFile.empty() ? testfiles::SystemDir() + "\\ZkV4Ivi.ime" : imeFile);
    }
    testlayout::AddPreload({"2", REG_SZ, handleText});
    testreg::SetString(HKEY_LOCAL_MACHINE, PRODUCT_KEY, "ImeHKL", handleText);
}
