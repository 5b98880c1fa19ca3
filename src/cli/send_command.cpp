// SPDX-License-Identifier: MIT
#include "cli/send_command.h"

#include "device/osd_frame.h"
#include "device/screen_position.h"

namespace vq72::cli {

std::string osdCommandFor(const SendRequest& request) {
    const osd::ScreenPosition position = osd::screenPosition(request.positionIndex);
    const std::string colour = request.colourIndex ? osd::colourCode(*request.colourIndex) : "";
    return osd::osdTextCommand(request.blank ? std::string() : request.text, position.locationCode,
                               colour, position.alignment);
}

std::string hexBytes(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.empty()) hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

}  // namespace vq72::cli
