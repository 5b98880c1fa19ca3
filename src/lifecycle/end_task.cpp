// SPDX-License-Identifier: MIT
#include "lifecycle/end_task.h"

namespace vq72 {

bool EndTask(AppServices& app, const std::string& WindowTitle) {
    using Lookup = AppServices::WindowLookup;
    const Lookup window = app.findWindow(WindowTitle);
    if (window == Lookup::None) return false;
    if (window == Lookup::Invalid) {
        app.messageBox("EndTask: cannot terminate " + WindowTitle + " task");
        return false;
    }
    if (window == Lookup::Enabled) {
        app.postClose(WindowTitle);
        app.doEvents();
    }
    return true;
}

}  // namespace vq72
