#include <gtest/gtest.h>

#include "support/harness.h"

namespace vq72 {
namespace {

// Counts 100 ms ticks of tmrComInit until the port is declared ready.
int ticksUntilReady(test::Harness& h, const std::function<void(int)>& beforeTick = {}) {
    h.w.state.PortReady = false;
    h.w.tmrComInit.setEnabled(true);
    for (int tick = 1; tick <= 1000; ++tick) {
        if (beforeTick) beforeTick(tick);
        h.program.tmrComInit_Timer();
        if (h.w.state.PortReady) return tick;
    }
    return -1;
}

TEST(SettleTimer, FirstPeriodTakes22TicksAndLaterOnes21) {
    test::Harness h;
    h.w.state.CmdBusy = true;
    EXPECT_EQ(ticksUntilReady(h), 22);
    EXPECT_FALSE(h.w.tmrComInit.enabled());
    EXPECT_FALSE(h.w.state.CmdBusy);
    EXPECT_EQ(ticksUntilReady(h), 21);
    EXPECT_EQ(ticksUntilReady(h), 21);
}

TEST(SettleTimer, TicksDuringATextTransferDoNotCount) {
    test::Harness h;
    // A transfer lasting ten ticks in the middle of the first period.
    const int ticks =
        ticksUntilReady(h, [&](int tick) { h.w.state.TextTransferBusy = tick >= 5 && tick < 15; });
    EXPECT_EQ(ticks, 32);
}

}  // namespace
}  // namespace vq72
