#include "window/report.h"

namespace vq72 {
namespace {
const Rect kPanelPlace{90, 70, 219, 119};
}

void ReportRoutine::ShowError(const std::string& message, const std::string& title) {
    w_.frameError.setText(title);
    w_.frameError.move(kPanelPlace);
    if (w_.frameError.visible()) {
        w_.lblErrMsg.setText(w_.lblErrMsg.text() + "\r\n" + message);
    } else {
        w_.lblErrMsg.setText(message);
    }
    w_.state.ErrorPanelTicks = kPanelTicks;
    if (title != kQuietTitle) w_.frameError.setVisible(true);
}

void ReportRoutine::cmdErrOK_Click() {
    w_.state.ErrorPanelTicks = 0;
    w_.frameError.setVisible(false);
}

void ReportRoutine::tickErrorPanel() {
    int& ticks = w_.state.ErrorPanelTicks;
    if (ticks > 0) {
        --ticks;
    } else if (ticks == 0) {
        ticks = -1;
        w_.frameError.setVisible(false);
    }
}

}  // namespace vq72
