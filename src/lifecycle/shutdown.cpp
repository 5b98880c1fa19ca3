// SPDX-License-Identifier: MIT
#include "lifecycle/shutdown.h"

#include "window/guard.h"

namespace vq72 {

void Shutdown::mnuExit_Click() {
    mainWindow_.closeMainWindow();
}

void Shutdown::Form_Unload() {
    ignoringFailure([&] {
        if (about_.aboutLoaded()) about_.unloadAbout();
    });
    bool open = false;
    ignoringFailure([&] { open = serial_.portOpen(); });
    if (open) {
        ignoringFailure([&] { serial_.setDTREnable(false); });
        ignoringFailure([&] { serial_.setRTSEnable(false); });
        ignoringFailure([&] { serial_.setPortOpen(false); });
    }
    tmr_Delay_.setEnabled(false);
    tmrComInit_.setEnabled(false);
}

}  // namespace vq72
