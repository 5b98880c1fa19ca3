// SPDX-License-Identifier: MIT
// The main window's event handlers, as the view and the timer driver call them.
#pragma once

#include <limits>
#include <string>

namespace vq72 {

// How many ticks may pass before a timer's handler can change anything observable (a text, a
// colour, a write, a closed port, a shown window, a state that brings one of those forward): in
// ticks of tmr_Delay (25 ms) and in ticks of the 100 ms timers tmrComInit and tmrSplash. The
// tick that may act is included: 1 means the very next tick.
struct DueTicks {
    // Beyond every count of ticks; compared with, never added to.
    static constexpr long kNever = std::numeric_limits<long>::max();
    long delay = kNever;
    long slow = kNever;
};

class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;

    virtual void Form_Load() = 0;
    virtual void Form_Unload() = 0;
    virtual void Form_MouseMove() = 0;

    // A typed key; the handler may change the code, 0 cancels the key.
    virtual void Text_input_KeyPress(int& keyAscii) = 0;
    // Text that reaches Text_input other than by a typed key (paste, drop, input method);
    // returns what may be inserted. The box's own 20-character limit applies afterwards.
    virtual std::string Text_input_Insert(const std::string& text) = 0;

    virtual void cmd_button_Click(int index) = 0;
    virtual void cmdErrOK_Click() = 0;

    virtual void mnuExit_Click() = 0;
    virtual void mnuManual_Click() = 0;
    virtual void mnuAbout_Click() = 0;
    virtual void mnuCOM_Click() = 0;
    virtual void mnuCOMsel_Click(int index) = 0;

    virtual void tmrSplash_Timer() = 0;
    virtual void tmrComInit_Timer() = 0;
    virtual void tmr_Delay_Timer() = 0;

    virtual void MSComm1_OnComm() = 0;

    // Asked by the timer driver after the ticks and events it ran, to know when to wake.
    virtual DueTicks ticksUntilDue() const = 0;
};

}  // namespace vq72
