// SPDX-License-Identifier: MIT
#include "protocol/serial_events.h"

#include <map>

#include "window/guard.h"

namespace vq72 {

std::string SerialEvents::EventText(int code) {
    static const std::map<int, std::string> kTexts{
        {comm_event::kSend, ""},
        {comm_event::kReceive, ""},
        {comm_event::kCtsChange, "Change in CTS Detected"},
        {comm_event::kDsrChange, "Change in DSR Detected"},
        {comm_event::kCdChange, "Change in CD Detected"},
        {comm_event::kRing, "The Phone is Ringing"},
        {comm_event::kEof, "End of File Detected"},
        {comm_event::kBreak, "Break Received"},
        {comm_event::kCtsTimeout, "CTS Timeout"},
        {comm_event::kDsrTimeout, "DSR Timeout"},
        {comm_event::kFrame, "Framing Error"},
        {comm_event::kOverrun, "Overrun Error"},
        {comm_event::kCdTimeout, "Carrier Detect Timeout"},
        {comm_event::kRxOver, "Receive Buffer Overflow"},
        {comm_event::kRxParity, "Parity Error"},
        {comm_event::kTxFull, "Transmit Buffer Full"},
        {comm_event::kDcb, "Error retrieving DCB"},
    };
    const auto it = kTexts.find(code);
    return it == kTexts.end() ? "Unknown error or event" : it->second;
}

void SerialEvents::MSComm1_OnComm() {
    int entryCode = 0;
    std::string eventText;
    FailureInfo failure;
    const bool ok = runUnit(
        [&] {
            entryCode = serial_.commEvent();
            const int code = serial_.commEvent();
            eventText = EventText(code);
            if (code == comm_event::kReceive) {
                reader_.RecvData();
            } else if (code == comm_event::kOpenSettled) {
                ports_.openSettled();
            } else if (code == comm_event::kTxFull) {
                serial_.setPortOpen(false);
                serial_.setDTREnable(false);
                report_.ShowError(eventText, "Mscomm1_OnComm");
            }
        },
        failure);
    if (!ok) failed(entryCode, eventText, failure.description);
}

void SerialEvents::failed(int entryCode, const std::string& eventText,
                          const std::string& description) {
    if (entryCode != comm_event::kReceive) {
        ignoringFailure([&] {
            report_.ShowError(description + " " + eventText,
                              "MSComm1_OnComm Event: " + std::to_string(entryCode));
        });
        ignoringFailure([&] { serial_.purge(PurgeScope::Both); });
    }
    bool open = false;
    ignoringFailure([&] { open = serial_.portOpen(); });
    if (open) {
        ignoringFailure([&] { serial_.setPortOpen(false); });
        ignoringFailure([&] { serial_.setDTREnable(false); });
    }
    ports_.DetermineValidPorts();
}

}  // namespace vq72
