// SPDX-License-Identifier: MIT
#include "window/com_menu.h"

#include "device/number_text.h"

namespace vq72 {

std::string ComMenu::toolTip(int port, const std::string& devicePath) const {
    return answeredPorts_.count(port) > 0 ? devicePath + kAnsweredNote : devicePath;
}

void ComMenu::deviceAnswered(int port, const std::string& devicePath) {
    if (!answeredPorts_.insert(port).second) return;
    // Port discovery tags each listed entry with its port number.
    const std::string tag = blankPrefixed(port);
    for (Control& entry : entries_) {
        if (entry.tag() == tag) entry.setToolTip(toolTip(port, devicePath));
    }
}

}  // namespace vq72
