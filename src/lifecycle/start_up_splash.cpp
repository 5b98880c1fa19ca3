// SPDX-License-Identifier: MIT
#include "lifecycle/start_up_splash.h"

#include "window/guard.h"

namespace vq72 {

void StartUpSplash::tmrSplash_Timer() {
    if (SplashShown) return;
    tmrSplash_.setEnabled(false);
    SplashShown = true;
    frame_.setAcceptsDrops(false);
    startUp_.AboutFromMenu = false;
    // A splash that cannot be shown is not worth a message; the main window must still get
    // its drops back.
    ignoringFailure([&] { about_.showAboutModal(); });
    ignoringFailure([&] { about_.unloadAbout(); });
    frame_.setAcceptsDrops(true);
}

}  // namespace vq72
