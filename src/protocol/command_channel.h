// SPDX-License-Identifier: MIT
// The only path to the device: SendCom writes one command to the port, opening it first when
// it is closed or a re-open was requested; CmdTree issues a command by number.
#pragma once

#include <string>

#include "device/reply_tokens.h"
#include "platform/serial_control.h"
#include "serial/port_discovery.h"
#include "window/guard.h"
#include "window/link_indicators.h"
#include "window/report.h"
#include "window/window_state.h"

namespace vq72 {

class CommandChannel {
public:
    // CmdTree numbers: the presence poll sends "CTS"; any other number issues nothing.
    static constexpr int kPresencePoll = 22;
    static constexpr int kNoCommand = 17;
    static constexpr const char* kPresencePollText = reply_tokens::kPresenceQuestion;

    CommandChannel(LinkIndicators& link, WindowState& state, ReportRoutine& report,
                   SerialControl& serial, PortDiscovery& ports)
        : link_(link),
          startUp_(state),
          selection_(state),
          flags_(state),
          transfer_(state),
          report_(report),
          serial_(serial),
          ports_(ports) {}

    // Returns whether the command was written to the port.
    bool SendCom(const std::string& command);
    void CmdTree(int number, const std::string& text);

private:
    void showNoPort(ReportingGuard& step);

    LinkIndicators& link_;
    const StartUpFlags& startUp_;
    const PortSelection& selection_;
    LinkFlags& flags_;
    const TransferFlags& transfer_;
    ReportRoutine& report_;
    SerialControl& serial_;
    PortDiscovery& ports_;
};

}  // namespace vq72
