// SPDX-License-Identifier: MIT
#include "device/traced_serial_control.h"

namespace vq72 {

TracedSerialControl::TracedSerialControl(SerialControl& inner, Sink sink, Clock now)
    : ForwardingSerialControl(inner), sink_(std::move(sink)), now_(std::move(now)) {}

TracedSerialControl::TracedSerialControl(std::unique_ptr<SerialControl> inner, Sink sink, Clock now)
    : ForwardingSerialControl(*inner),
      owned_(std::move(inner)),
      sink_(std::move(sink)),
      now_(std::move(now)) {}

void TracedSerialControl::setPortOpen(bool open) {
    const bool wasOpen = inner().portOpen();
    inner().setPortOpen(open);
    if (open != wasOpen)
        sink_(traceNote(now_(), open ? "open " + devicePath(commPort()) : "close"));
}

std::string TracedSerialControl::input() {
    std::string bytes = inner().input();
    if (!bytes.empty()) sink_(traceLine(now_(), TraceDirection::Received, bytes));
    return bytes;
}

void TracedSerialControl::output(const std::string& bytes) {
    inner().output(bytes);
    sink_(traceLine(now_(), TraceDirection::Sent, bytes));
}

}  // namespace vq72
