#include "lifecycle/shutdown.h"

#include "platform/failure_numbers.h"
#include "window/guard.h"

namespace vq72 {

void Shutdown::mnuExit_Click() {
    mainWindow_.closeMainWindow();
}

void Shutdown::Form_Unload() {
    ignoringFailure([&] {
        if (about_.aboutLoaded()) about_.unloadAbout();
    });
    bool open = false;
    ignoringFailure([&] { open = serial_.portOpen(); });
    if (open) {
        ignoringFailure([&] { serial_.setDTREnable(false); });
        ignoringFailure([&] { serial_.setRTSEnable(false); });
        ignoringFailure([&] { serial_.setPortOpen(false); });
    }
    w_.tmr_Delay.setEnabled(false);
    w_.tmrComInit.setEnabled(false);
}

std::string Shutdown::manualPath() const {
    return app_.programFolder() + app_.pathSeparator() + w_.state.AppName + "_Manual.pdf";
}

void Shutdown::mnuManual_Click() {
    std::string path;
    long result = failure_number::kShellOpened;
    ignoringFailure([&] {
        path = manualPath();
        result = StartDoc(path);
    });
    // Without these the menu would seem to do nothing: say where the manual is.
    if (result == failure_number::kShellNoAssociation) {
        report_.ShowError("No program to open PDF files was found. The manual is " + path + ".",
                          kManualTitle);
    } else if (result == failure_number::kShellFileNotFound) {
        report_.ShowError("The manual " + path + " is missing. Install the program again.",
                          kManualTitle);
    }
}

long Shutdown::StartDoc(const std::string& DocName) {
    long result = 0;
    ReportingGuard step(report_, "StartDoc");
    if (!step([&] { result = shell_.open(DocName); })) return 0;
    return result;
}

void Shutdown::mnuAbout_Click() {
    w_.state.AboutFromMenu = true;
    ReportingGuard(report_, "mnuAbout_Click")([&] { about_.showAboutModeless(); });
}

}  // namespace vq72
