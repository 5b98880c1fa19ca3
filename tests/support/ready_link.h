// Brings a Program over fakes to the running state with a usable port: the port is present and
// saved as "ComPort", the window loads, and the clock ticks until the port has settled.
#pragma once

#include <string>

#include "support/harness.h"

namespace vq72::test {

inline constexpr int kSettleLimitSteps = 200;

// Returns whether the port became ready within kSettleLimitSteps ticks.
inline bool loadWithReadyPort(Harness& h, int port) {
    h.serial.present.insert(port);
    h.settings.values[Harness::path("ComPort")] = " " + std::to_string(port);
    h.program.Form_Load();
    return h.clock.runUntil([&] { return h.w.state.PortReady; }, kSettleLimitSteps) >= 0;
}

}  // namespace vq72::test
