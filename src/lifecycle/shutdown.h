// SPDX-License-Identifier: MIT
// The end of the program: the File menu's Exit closes the main window, and its unload drops
// DTR and RTS, closes the port when it is open and stops the timers.
#pragma once

#include "platform/serial_control.h"
#include "platform/window_system.h"
#include "window/timer.h"

namespace vq72 {

class Shutdown {
public:
    Shutdown(Timer& tmr_Delay, Timer& tmrComInit, SerialControl& serial, MainWindowHost& mainWindow,
             AboutWindowHost& about)
        : tmr_Delay_(tmr_Delay),
          tmrComInit_(tmrComInit),
          serial_(serial),
          mainWindow_(mainWindow),
          about_(about) {}

    void mnuExit_Click();
    void Form_Unload();

private:
    Timer& tmr_Delay_;
    Timer& tmrComInit_;
    SerialControl& serial_;
    MainWindowHost& mainWindow_;
    AboutWindowHost& about_;
};

}  // namespace vq72
