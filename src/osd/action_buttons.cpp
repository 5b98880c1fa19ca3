// SPDX-License-Identifier: MIT
#include "osd/action_buttons.h"

namespace vq72 {

void ActionButtons::cmd_button_Click(int Index) {
    switch (Index) {
        case kSave:
            send(Text_input_.text());
            break;
        case kBlank:
            send("");
            break;
        case kExit:
            lbl_txt_status_.setText("Exiting");
            mainWindow_.closeMainWindow();
            break;
        default:
            break;
    }
}

void ActionButtons::send(std::string text) {
    lbl_txt_status_.setText("Programming");
    cmd_button_[kSave].setEnabled(false);
    cmd_button_[kExit].setEnabled(false);
    transfer_.String_2_VQ7240(choice_.LocationCode, choice_.ColorCode, text);
    cmd_button_[kSave].setEnabled(true);
    cmd_button_[kExit].setEnabled(true);
}

}  // namespace vq72
