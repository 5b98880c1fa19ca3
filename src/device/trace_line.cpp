// SPDX-License-Identifier: MIT
#include "device/trace_line.h"

#include <cstdio>

#include "device/hex_bytes.h"

namespace vq72 {
namespace {

// "2026-12-08T06:01:02.345Z".
std::string utcText(TraceTime time) {
    using namespace std::chrono;
    const auto ms = floor<milliseconds>(time);
    const auto day = floor<days>(ms);
    const year_month_day date{day};
    const hh_mm_ss clock{ms - day};
    char text[32];
    std::snprintf(
        text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
        static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    return text;
}

}  // namespace

std::string traceLine(TraceTime time, TraceDirection direction, std::string_view bytes) {
    return utcText(time) + (direction == TraceDirection::Sent ? " > " : " < ") + hexBytes(bytes);
}

std::string traceNote(TraceTime time, std::string_view note) {
    std::string line = utcText(time) + " ";
    for (const char c : note) line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return line;
}

}  // namespace vq72
