// SPDX-License-Identifier: MIT
#include "sim/frame_parser.h"

namespace vq72::sim {
namespace {

constexpr std::size_t kTextStart = 4;
constexpr std::size_t kPositionStart = kTextStart + kTextCells;  // DLE, row, column
constexpr std::size_t kAttributesStart = kPositionStart + 3;     // ACK "3" ACK "4"
constexpr std::size_t kColourOrEnd = kAttributesStart + 4;       // ACK (colour) or DC3
constexpr std::size_t kShortLength = kColourOrEnd + 3;           // DC3 CR LF: 34 bytes
constexpr std::size_t kLongLength = kShortLength + 2;            // with ACK "7"/"8": 36 bytes

bool inRange(char byte, char low, char high) {
    return byte >= low && byte <= high;
}

ColourScheme colourOf(char digit) {
    return digit == '7' ? ColourScheme::WhiteOnBlack : ColourScheme::BlackOnWhite;
}

}  // namespace

const char* kindName(FrameKind kind) {
    switch (kind) {
        case FrameKind::Cts:
            return "CTS";
        case FrameKind::Osd:
            return "OSD";
        case FrameKind::Bad:
            break;
    }
    return "BAD";
}

// Whether `byte` may stand at the next position of the frame held in bytes_.
bool FrameParser::accepts(char byte) const {
    const std::size_t at = bytes_.size();
    if (at == 0) return byte == 'C';
    if (at == 1) return byte == 'T';
    if (at == 2) return byte == 'S' || byte == 'T';
    if (at == 3) return byte == kDc4;
    if (at < kPositionStart) return inRange(byte, kLowestTextChar, kHighestTextChar);
    if (at == kPositionStart) return byte == kDle;
    if (at == kPositionStart + 1 || at == kPositionStart + 2) return inRange(byte, '1', '3');
    if (at == kAttributesStart || at == kAttributesStart + 2) return byte == kAck;
    if (at == kAttributesStart + 1) return byte == '3';
    if (at == kAttributesStart + 3) return byte == '4';
    if (at == kColourOrEnd) return byte == kAck || byte == kDc3;
    const bool coloured = bytes_[kColourOrEnd] == kAck;
    const std::size_t end = coloured ? kColourOrEnd + 2 : kColourOrEnd;  // where DC3 stands
    if (coloured && at == kColourOrEnd + 1) return byte == '7' || byte == '8';
    if (at == end) return byte == kDc3;
    if (at == end + 1) return byte == kCr;
    return at == end + 2 && byte == kLf;
}

std::vector<Frame> FrameParser::feed(char byte) {
    std::vector<Frame> done;
    if (bad_) {
        if (byte != 'C') {
            bytes_ += byte;
            return done;
        }
        done.push_back(finish(FrameKind::Bad));
    }
    if (!accepts(byte)) {
        if (byte == 'C' && !bytes_.empty()) {
            done.push_back(finish(FrameKind::Bad));
            bytes_ = byte;
        } else {
            bytes_ += byte;
            bad_ = true;
        }
        return done;
    }
    bytes_ += byte;
    if (bytes_ == "CTS") {
        done.push_back(finish(FrameKind::Cts));
    } else if (byte == kLf && (bytes_.size() == kShortLength || bytes_.size() == kLongLength)) {
        done.push_back(finish(FrameKind::Osd));
    }
    return done;
}

std::optional<Frame> FrameParser::cut() {
    if (bytes_.empty()) return std::nullopt;
    return finish(FrameKind::Bad);
}

Frame FrameParser::finish(FrameKind kind) {
    Frame frame;
    frame.kind = kind;
    frame.bytes.swap(bytes_);
    bad_ = false;
    if (kind == FrameKind::Osd) {
        frame.osd.text = frame.bytes.substr(kTextStart, kTextCells);
        frame.osd.row = frame.bytes[kPositionStart + 1] - '0';
        frame.osd.column = frame.bytes[kPositionStart + 2] - '0';
        if (frame.bytes.size() == kLongLength)
            frame.osd.colours = colourOf(frame.bytes[kColourOrEnd + 1]);
    }
    return frame;
}

}  // namespace vq72::sim
