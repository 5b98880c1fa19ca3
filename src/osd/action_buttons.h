// The three buttons under the text: SAVE sends the typed text, BLANK sends an empty field,
// EXIT closes the main window.
#pragma once

#include <string>

#include "osd/osd_transfer.h"
#include "platform/window_system.h"
#include "window/main_window_model.h"

namespace vq72 {

class ActionButtons {
public:
    static constexpr int kSave = 0;
    static constexpr int kExit = 1;
    static constexpr int kBlank = 2;

    ActionButtons(MainWindowModel& window, OsdTransfer& transfer, MainWindowHost& mainWindow)
        : w_(window), transfer_(transfer), mainWindow_(mainWindow) {}

    void cmd_button_Click(int Index);

private:
    // SAVE and BLANK: SAVE and EXIT stay disabled while the text is sent.
    void send(std::string text);

    MainWindowModel& w_;
    OsdTransfer& transfer_;
    MainWindowHost& mainWindow_;
};

}  // namespace vq72
