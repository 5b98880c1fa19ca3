// SPDX-License-Identifier: MIT
#include "lifecycle/help_menu.h"

#include "platform/failure_numbers.h"
#include "window/guard.h"

namespace vq72 {

namespace {

// Installed, the program lives in <prefix>/lib/vq72-osd/ and its documents in this folder of
// the prefix.
const char* const kInstalledDocumentFolder[] = {"share", "doc", "vq72-osd"};

std::string parentOf(const std::string& folder, char separator) {
    const std::size_t cut = folder.find_last_of(separator);
    return cut == std::string::npos ? std::string() : folder.substr(0, cut);
}

}  // namespace

std::vector<std::string> HelpMenu::manualPaths() const {
    const std::string folder = app_.programFolder();
    const char separator = app_.pathSeparator();
    const std::string file = startUp_.AppName + "_Manual.pdf";
    std::string installed = parentOf(parentOf(folder, separator), separator);
    for (const char* name : kInstalledDocumentFolder) installed += separator + std::string(name);
    return {folder + separator + file, installed + separator + file};
}

void HelpMenu::mnuManual_Click() {
    std::vector<std::string> paths;
    std::string path;
    long result = failure_number::kShellOpened;
    ignoringFailure([&] {
        paths = manualPaths();
        for (const std::string& place : paths) {
            path = place;
            result = StartDoc(path);
            if (result != failure_number::kShellFileNotFound) break;
        }
    });
    // Without these the menu would seem to do nothing: say where the manual is.
    if (result == failure_number::kShellNoAssociation) {
        report_.ShowError("No program to open PDF files was found. The manual is " + path + ".",
                          kManualTitle);
    } else if (result == failure_number::kShellFileNotFound) {
        report_.ShowError("The manual is missing: neither " + paths.front() + " nor " +
                              paths.back() + " exists. Install the program again.",
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
