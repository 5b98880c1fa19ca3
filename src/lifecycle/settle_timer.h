// The port settle timer tmrComInit: about two seconds after a successful opening it declares
// the port ready. Ticks that fall into a text transfer do not count.
#pragma once

#include "window/main_window_model.h"

namespace vq72 {

class SettleTimer {
public:
    static constexpr int kSettleTicks = 20;

    explicit SettleTimer(MainWindowModel& window) : w_(window) {}

    void tmrComInit_Timer();

    bool SettleArmed = false;
    int SettleTicks = 0;

private:
    MainWindowModel& w_;
};

}  // namespace vq72
