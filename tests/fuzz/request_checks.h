// What every request the sender accepts holds, from its command line or from a batch file.
#pragma once

#include <cstdlib>

#include "cli/send_command.h"
#include "device/blank_trim.h"
#include "device/network_port.h"
#include "device/osd_frame.h"

namespace vq72::fuzz {

inline void check(bool condition) {
    if (!condition) std::abort();
}

// Outside text in a message is shown escaped: no control character reaches the terminal.
inline void checkPrintable(const std::string& message) {
    for (const char c : message) check(static_cast<unsigned char>(c) >= ' ' && c != '\x7F');
}

// A text the device can show in its field (or the blanks that clear it), and a frame as long
// as its colour field asks (framing throws for a position or colour out of range).
inline void checkRequest(const cli::SendRequest& r) {
    const std::string shown = trimBlanks(r.text);
    check(r.blank ? r.text.empty() : !shown.empty() && shown.size() <= osd::kTextFieldWidth);
    for (const char c : r.text) check(c >= ' ' && c <= 'z' && !(c >= 'a' && c <= 'z'));
    check(cli::osdCommandFor(r).size() == (r.colourIndex ? 36u : 34u));
}

}  // namespace vq72::fuzz
