// SPDX-License-Identifier: MIT
// The Help menu: Manual opens the PDF manual with its associated program, from beside the
// program or else from the installed documents, About shows the About window modeless.
#pragma once

#include <string>
#include <vector>

#include "platform/app_services.h"
#include "platform/shell.h"
#include "platform/window_system.h"
#include "window/report.h"
#include "window/window_state.h"

namespace vq72 {

class HelpMenu {
public:
    static constexpr const char* kManualTitle = "Manual";

    HelpMenu(StartUpFlags& startUp, ReportRoutine& report, Shell& shell, AppServices& app,
             AboutWindowHost& about)
        : startUp_(startUp), report_(report), shell_(shell), app_(app), about_(about) {}

    void mnuManual_Click();
    void mnuAbout_Click();
    // Opens a document with its associated program: above 32 is success, 0 when the request failed.
    long StartDoc(const std::string& DocName);

    // Where the manual is looked for, in order: beside the program, then the installed layout's
    // document folder (<prefix>/lib/vq72-osd/ to <prefix>/share/doc/vq72-osd/).
    std::vector<std::string> manualPaths() const;

private:
    StartUpFlags& startUp_;
    ReportRoutine& report_;
    Shell& shell_;
    AppServices& app_;
    AboutWindowHost& about_;
};

}  // namespace vq72
