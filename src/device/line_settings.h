// SPDX-License-Identifier: MIT
// The serial control's "Settings" text, "9600,N,8,1": baud rate, parity letter, data bits and
// stop bits, separated by commas.
#pragma once

#include <optional>
#include <string>

namespace vq72 {

struct LineSettings {
    enum class Parity { None, Even, Odd };
    enum class StopBits { One, Two };

    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;  // 5..8
    StopBits stopBits = StopBits::One;

    // Nothing when the text is not of that form: a positive baud rate, N/E/O (either case), 5 to 8
    // data bits, and 1 or 2 stop bits.
    static std::optional<LineSettings> parse(const std::string& text);

    bool operator==(const LineSettings&) const = default;
};

}  // namespace vq72
