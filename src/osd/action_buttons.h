// SPDX-License-Identifier: MIT
// The three buttons under the text: SAVE sends the typed text, BLANK sends an empty field,
// EXIT closes the main window.
#pragma once

#include <string>
#include <vector>

#include "osd/osd_transfer.h"
#include "platform/window_system.h"
#include "window/control.h"
#include "window/window_state.h"

namespace vq72 {

class ActionButtons {
public:
    static constexpr int kSave = 0;
    static constexpr int kExit = 1;
    static constexpr int kBlank = 2;

    ActionButtons(const Control& Text_input, Control& lbl_txt_status,
                  std::vector<Control>& cmd_button, const DisplayChoice& choice,
                  OsdTransfer& transfer, MainWindowHost& mainWindow)
        : Text_input_(Text_input),
          lbl_txt_status_(lbl_txt_status),
          cmd_button_(cmd_button),
          choice_(choice),
          transfer_(transfer),
          mainWindow_(mainWindow) {}

    void cmd_button_Click(int Index);

private:
    // SAVE and BLANK: SAVE and EXIT stay disabled while the text is sent.
    void send(std::string text);

    const Control& Text_input_;
    Control& lbl_txt_status_;
    std::vector<Control>& cmd_button_;
    const DisplayChoice& choice_;
    OsdTransfer& transfer_;
    MainWindowHost& mainWindow_;
};

}  // namespace vq72
