// SPDX-License-Identifier: MIT
// Asks the running instance's window with the given title to close.
#pragma once

#include <string>

#include "platform/app_services.h"

namespace vq72 {

// True when such a window was found and is still valid. A disabled window (a modal window
// is open over it) is left alone; an invalid one is reported in a message box.
bool EndTask(AppServices& app, const std::string& WindowTitle);

}  // namespace vq72
