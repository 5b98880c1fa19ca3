// SPDX-License-Identifier: MIT
// The 25 ms supervision tick tmr_Delay_Timer: reply quiet time, port retry while not ready, the
// link watchdog, the error panel countdown, the presence poll and the port rescan asked for from
// the Com menu. (The character count follows the text itself: osd/character_count.h.)
#pragma once

#include "platform/serial_control.h"
#include "protocol/command_channel.h"
#include "protocol/reply_reader.h"
#include "serial/port_discovery.h"
#include "window/link_indicators.h"
#include "window/main_window_events.h"
#include "window/report.h"
#include "window/window_state.h"

namespace vq72 {

class LinkSupervision {
public:
    // Ticks from one port re-initialisation to the next while the port is not ready (+1).
    static constexpr int kPortRetryTicks = 400;
    // Watchdog counts of ticks without an interpreted reply.
    static constexpr int kSuspectTicks = 600;       // above this, re-opens are requested
    static constexpr int kReopenPeriodTicks = 200;  // at counts leaving kReopenPhaseTicks
    static constexpr int kReopenPhaseTicks = 100;
    static constexpr int kNoDeviceTicks = 800;
    static constexpr int kPortDroppedTicks = 1200;
    static constexpr int kWatchdogRestartTicks = 601;
    // PollTicks runs 0..kPollPhaseTicks; "CTS" goes out in phase kPollSendPhase of every two.
    static constexpr int kPollPhaseTicks = 50;
    static constexpr int kPollSendPhase = 1;
    static constexpr const char* kPollText = "    ";

    LinkSupervision(LinkIndicators& link, WindowState& state, ReportRoutine& report,
                    SerialControl& serial, ReplyReader& reader, PortDiscovery& ports,
                    CommandChannel& channel)
        : link_(link),
          flags_(state),
          selection_(state),
          transfer_(state),
          report_(report),
          serial_(serial),
          reader_(reader),
          ports_(ports),
          channel_(channel) {}

    // A failing tick is reported and the rest of that tick is skipped.
    void tmr_Delay_Timer();
    // Ticks until one of them may act (see DueTicks): the ticks before only count.
    long ticksUntilDue() const;

    int PortRetryTicks = 0;
    int PollTicks = 0;
    int PollPhase = 0;

private:
    void tick();
    void retryPort();
    void watchdog();
    void poll();
    bool pollMayRun() const;

    long ticksUntilWatchdogActs() const;
    long ticksUntilPoll() const;

    LinkIndicators& link_;
    LinkFlags& flags_;
    PortSelection& selection_;
    TransferFlags& transfer_;
    ReportRoutine& report_;
    SerialControl& serial_;
    ReplyReader& reader_;
    PortDiscovery& ports_;
    CommandChannel& channel_;
};

}  // namespace vq72
