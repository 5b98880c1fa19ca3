// SPDX-License-Identifier: MIT
// The main window's start-up splash tick tmrSplash_Timer: shows the About window once, modally,
// as a short splash, and unloads it when it has closed.
#pragma once

#include "platform/window_system.h"
#include "window/timer.h"
#include "window/window_frame.h"
#include "window/window_state.h"

namespace vq72 {

class StartUpSplash {
public:
    StartUpSplash(Timer& tmrSplash, WindowFrame& frame, StartUpFlags& startUp,
                  AboutWindowHost& about)
        : tmrSplash_(tmrSplash), frame_(frame), startUp_(startUp), about_(about) {}

    void tmrSplash_Timer();

private:
    Timer& tmrSplash_;
    WindowFrame& frame_;
    StartUpFlags& startUp_;
    AboutWindowHost& about_;
    bool SplashShown = false;
};

}  // namespace vq72
