// The steps that many scenarios share: going through the wizard the usual way, and the
// state an installation or an uninstallation must leave on the machine.
#pragma once
#include "driver/Product.h"
#include "driver/Wizard.h"

namespace e2e {

// Welcome → Next → licence → accept: the licence page's Next now starts the installation.
// With `pictures`, the welcome and licence pages are pictured as install-<page>.
void AcceptLicence(Wizard& wizard, bool pictures = true);
// Uninstall chosen on the maintenance page: its Finish now asks the uninstall question.
void ChooseUninstall(Wizard& wizard);
// Welcome → Next → licence → accept → Next → progress → finish → Close, checking little on
// the way; with screenshots (Wizard::Shot) named install-<page>. Ends with Setup.exe gone.
void InstallThroughWizard(Wizard& wizard);
// Maintenance page → uninstall → Finish → Yes → progress → finish → Close.
void UninstallThroughWizard(Wizard& wizard);
// Maintenance page → repair (chosen at first) → Finish → progress → finish → Close.
void RepairThroughWizard(Wizard& wizard);
// Cancel on the current page, then Yes to the closing question; Setup.exe must end.
void QuitWizard(Wizard& wizard);
// A Yes/No question of the wizard: captioned with the title, owned by the frame.
void CheckQuestion(const Wizard& wizard, const Box& box, const std::wstring& text);
// One run of Setup.exe that installs, and one that uninstalls, under `release`.
void InstallOnce(const std::string& release);
void UninstallOnce(const std::string& release);

// The seven files hold their resources' bytes, "ImeHKL" names a layout with the language's
// IME name, "Version" is 21100, and the help shortcut is where the release puts it.
void CheckInstalled(const Release& release);
// Exactly one layout key names the product's module, and "ImeHKL" records it.
void CheckOneLayout();
// Nothing of the product is left but the two "Quorvel" folders; `layout` is the handle
// text the installation had recorded.
void CheckRemoved(const Release& release, const std::wstring& layout);
// The layout handle text recorded in "ImeHKL" (empty when there is none).
std::wstring RecordedLayout();

}  // namespace e2e
