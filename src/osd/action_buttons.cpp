#include "osd/action_buttons.h"

namespace vq72 {

void ActionButtons::cmd_button_Click(int Index) {
    switch (Index) {
        case kSave:
            send(w_.Text_input.text());
            break;
        case kBlank:
            send("");
            break;
        case kExit:
            w_.lbl_txt_status.setText("Exiting");
            mainWindow_.closeMainWindow();
            break;
        default:
            break;
    }
}

void ActionButtons::send(std::string text) {
    w_.lbl_txt_status.setText("Programming");
    w_.cmd_button[kSave].setEnabled(false);
    w_.cmd_button[kExit].setEnabled(false);
    transfer_.String_2_VQ7240(w_.state.LocationCode, w_.state.ColorCode, text);
    w_.cmd_button[kSave].setEnabled(true);
    w_.cmd_button[kExit].setEnabled(true);
}

}  // namespace vq72
