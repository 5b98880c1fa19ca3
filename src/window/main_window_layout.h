// SPDX-License-Identifier: MIT
// The designed layout of the main window: every control with its container, pixel geometry,
// initial text, colours, font and focus position; and the menu bar.
#pragma once

#include <string>
#include <vector>

#include "window/control.h"

namespace vq72 {

const std::vector<ControlSpec>& mainWindowLayout();
const std::vector<ControlSpec>& mainWindowMenus();
// The spec of one control or menu item; throws std::out_of_range when there is none.
const ControlSpec& mainWindowSpec(const std::string& name, int index = -1);

}  // namespace vq72
