// The main window's start-up splash tick tmrSplash_Timer: shows the About window once, modally,
// as a short splash, and unloads it when it has closed.
#pragma once

#include "platform/window_system.h"
#include "window/main_window_model.h"

namespace vq72 {

class StartUpSplash {
public:
    StartUpSplash(MainWindowModel& window, AboutWindowHost& about) : w_(window), about_(about) {}

    void tmrSplash_Timer();

private:
    MainWindowModel& w_;
    AboutWindowHost& about_;
    bool SplashShown = false;
};

}  // namespace vq72
