// Setup.exe ended (TerminateProcess) at every boundary between two steps of a worker, then
// started again and followed the way it offers: the machine must end up fully installed,
// or, after an interrupted uninstall, fully clean. Prints one line per point.
#include "driver/Check.h"
#include "driver/Flows.h"
#include "driver/StepTrap.h"
#include <map>

using namespace e2e;

namespace {
struct Point {
    const char* after;  // what is done when the worker stops
    const char* trap;   // see trap/StepTrap.cpp
};

const std::map<std::string, std::vector<Point>>& Points() {
    static const std::map<std::string, std::vector<Point>> points = {
        {"install",
         {{"IME folder", "bar:10"}, {"ZkV4Ivi.ime", "bar:20"}, {"Help.chm", "bar:30"}, {"QueryPY.dat", "bar:40"},
          {"PhrChs.dat", "bar:50"}, {"PhrCht.dat", "bar:60"}, {"ZkSDChs.dat", "bar:70"}, {"ZkSDCht.dat", "bar:80"},
          {"layout purge", "layout"}, {"layout registration", "bar:90"}, {"ImeHKL", "bar:100"},
          {"Version, before the shortcut", "bar:110"}, {"shortcut", "bar:130"}}},
        {"repair",
         {{"IME folder", "bar:10"}, {"ZkV4Ivi.ime", "bar:20"}, {"Help.chm", "bar:30"}, {"QueryPY.dat", "bar:40"},
          {"PhrChs.dat", "bar:50"}, {"PhrCht.dat", "bar:60"}, {"ZkSDChs.dat", "bar:70"}, {"ZkSDCht.dat", "bar:80"},
          {"layout purge", "layout"}, {"layout registration", "bar:90"}, {"ImeHKL, before the shortcut", "bar:100"},
          {"shortcut", "bar:110"}}},
        {"uninstall",
         {{"ZkV4Ivi.ime", "bar:10"}, {"Help.chm", "bar:20"}, {"QueryPY.dat", "bar:30"}, {"PhrChs.dat", "bar:40"},
          {"PhrCht.dat", "bar:50"}, {"ZkSDChs.dat", "bar:60"}, {"ZkSDCht.dat", "bar:70"}, {"Vsock28.vxd", "bar:80"},
          {"IME folder", "bar:90"}, {"layout purge", "unrecord:Version"}, {"Version deleted", "unrecord:ImeHKL"},
          {"record, before the shortcut", "bar:100"},
          {"shortcut", "bar:110"}}},
    };
    return points;
}

// Starts `operation` and ends Setup.exe once its worker stands at `point`.
void Interrupt(const std::string& operation, const Release& release, const Point& point) {
    StepTrap trap(point.trap);
    Wizard wizard(release.name);
    REQUIRE(wizard.WaitFrame());
    if (operation == "install") {
        AcceptLicence(wizard);
        trap.Arm(wizard);
        wizard.Press(ID_NEXT);
    } else {
        if (operation == "uninstall")
            ChooseUninstall(wizard);
        else
            wizard.WaitPage(Page::Maintenance);
        trap.Arm(wizard);
        wizard.Press(ID_FINISH);
        if (operation == "uninstall") wizard.Answer(wizard.WaitBox(), IDYES);
    }
    CHECK_MSG(trap.WaitReached(), "the worker never reached the point after " << point.after);
    REQUIRE(wizard.Process().Terminate());
}

// What the interrupted run left: files in place, the module's layouts, the record, the shortcut.
std::string LeftState(const Release& release) {
    int files = 0;
    for (const InstalledFile& file : InstalledFiles(release.moduleResource)) files += IsFile(file.path);
    std::ostringstream out;
    out << "files " << files << "/7, layouts " << ProductLayouts().size()
        << (RecordedLayout().empty() ? ", -ImeHKL" : ", ImeHKL")
        << (ReadValue(HKEY_LOCAL_MACHINE, kProductKey, L"Version").exists ? ", Version" : ", -Version")
        << (IsFile(ShortcutPath(CurrentLang(), release.commonPrograms)) ? ", shortcut" : ", -shortcut");
    return out.str();
}

// The next start, followed the way it offers; returns what it offered.
const char* Recover(const std::string& operation, const Release& release) {
    Wizard wizard(release.name);
    REQUIRE(wizard.WaitFrame());
    bool maintenance = wizard.CurrentKind() == Page::Maintenance;
    if (operation != "uninstall") {
        if (maintenance) RepairThroughWizard(wizard);
        else InstallThroughWizard(wizard);
        CheckInstalled(release);
        CheckOneLayout();
    } else {
        if (maintenance) {
            UninstallThroughWizard(wizard);
        } else {
            InstallThroughWizard(wizard);
            UninstallOnce(release.name);
        }
        CheckRemoved(release, std::wstring());
    }
    return maintenance ? "maintenance" : "install";
}
}  // namespace

// interrupt OPERATION [RELEASE]: every point of install, repair or uninstall.
SCENARIO(interrupt) {
    REQUIRE(!args.empty() && Points().count(args[0]));
    const std::string& operation = args[0];
    const Release& release = FindRelease(args.size() > 1 ? args[1] : "winxp");
    for (const Point& point : Points().at(operation)) {
        RemoveProductTraces();
        if (operation != "install") InstallOnce(release.name);
        int failuresBefore = FailureCount();
        std::string offered = "-", left = "-";
        try {
            Interrupt(operation, release, point);
            left = LeftState(release);
            offered = Recover(operation, release);
        } catch (const ScenarioAbort& abort) {
            Note("  stopped at: " + abort.what);
        }
        EndStartedProcesses();
        Note(operation + " | after " + point.after + " | left: " + left + " | next start: " + offered + " | " +
             (FailureCount() == failuresBefore ? "complete" : "FAULT"));
    }
}
