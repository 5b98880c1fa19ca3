// SPDX-License-Identifier: MIT
// Checks the host's bytes one by one as the device does: "CTS", and the OSD text command
// ("CTT", DC4, 20 text characters, DLE row column, ACK "3", ACK "4", optional ACK "7"/"8", DC3,
// CR, LF). A byte that breaks a frame makes it bad; every byte up to the next "C" joins that bad
// frame, and the next "C" starts a new frame, so the frames account for every byte received.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/frame.h"

namespace vq72::sim {

inline constexpr char kDc4 = 0x14;
inline constexpr char kDle = 0x10;
inline constexpr char kAck = 0x06;
inline constexpr char kDc3 = 0x13;
inline constexpr char kCr = 0x0D;
inline constexpr char kLf = 0x0A;
inline constexpr std::size_t kTextCells = 20;
inline constexpr char kLowestTextChar = 0x20;   // blank
inline constexpr char kHighestTextChar = 0x7A;  // 'z'

class FrameParser {
public:
    // Takes one received byte; returns the frames it completes (a bad frame and the frame that
    // the byte completes at most, usually none).
    std::vector<Frame> feed(char byte);
    // The port closed or the device stops: a frame in progress is returned as bad.
    std::optional<Frame> cut();
    // True while bytes of an unfinished (or bad) frame are held.
    bool busy() const { return !bytes_.empty(); }

private:
    bool accepts(char byte) const;
    Frame finish(FrameKind kind);

    std::string bytes_;
    bool bad_ = false;
};

}  // namespace vq72::sim
