// SPDX-License-Identifier: MIT
#include "lifecycle/help_menu.h"

#include "platform/failure_numbers.h"
#include "window/guard.h"

namespace vq72 {

std::string HelpMenu::manualPath() const {
    return app_.programFolder() + app_.pathSeparator() + startUp_.AppName + "_Manual.pdf";
}

void HelpMenu::mnuManual_Click() {
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

long HelpMenu::StartDoc(const std::string& DocName) {
    long result = 0;
    ReportingGuard step(report_, "StartDoc");
    if (!step([&] { result = shell_.open(DocName); })) return 0;
    return result;
}

void HelpMenu::mnuAbout_Click() {
    startUp_.AboutFromMenu = true;
    ReportingGuard(report_, "mnuAbout_Click")([&] { about_.showAboutModeless(); });
}

}  // namespace vq72
