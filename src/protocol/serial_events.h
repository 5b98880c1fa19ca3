// SPDX-License-Identifier: MIT
// The serial control's event handler: received data goes to the reply reader, a full transmit
// buffer closes the port, and a failure while handling an event closes and reopens the port.
#pragma once

#include <string>

#include "platform/serial_control.h"
#include "protocol/reply_reader.h"
#include "serial/port_discovery.h"
#include "window/report.h"

namespace vq72 {

class SerialEvents {
public:
    SerialEvents(ReportRoutine& report, SerialControl& serial, ReplyReader& reader,
                 PortDiscovery& ports)
        : report_(report), serial_(serial), reader_(reader), ports_(ports) {}

    void MSComm1_OnComm();

    // The text an event code stands for in reports; empty for the send and receive events.
    static std::string EventText(int code);

private:
    void failed(int entryCode, const std::string& eventText, const std::string& description);

    ReportRoutine& report_;
    SerialControl& serial_;
    ReplyReader& reader_;
    PortDiscovery& ports_;
};

}  // namespace vq72
