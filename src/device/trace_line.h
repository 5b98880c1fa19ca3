// SPDX-License-Identifier: MIT
// A line of the trace of a port's traffic (the sender's --trace, the window's VQ72_OSD_TRACE):
// the time in UTC to the millisecond, then what happened.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vq72 {

enum class TraceDirection { Sent, Received };

using TraceTime = std::chrono::system_clock::time_point;

// "2026-12-08T06:01:02.345Z > 43 54 53": ">" for bytes written to the port, "<" for bytes read
// from it, each byte in hexadecimal.
std::string traceLine(TraceTime time, TraceDirection direction, std::string_view bytes);

// "2026-12-08T06:01:02.345Z open /dev/ttyUSB0": what happened to the port, its control
// characters shown as "?" so that it stays on its line.
std::string traceNote(TraceTime time, std::string_view note);

}  // namespace vq72
