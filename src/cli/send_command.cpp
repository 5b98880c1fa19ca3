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

}  // namespace vq72::cli
