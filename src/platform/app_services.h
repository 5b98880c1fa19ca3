// SPDX-License-Identifier: MIT
// The application's own facts and services: command line, folder, other instances,
// message box, beep and letting queued events run.
#pragma once

#include <string>

namespace vq72 {

class AppServices {
public:
    virtual ~AppServices() = default;

    virtual std::string commandLine() const = 0;
    // The folder that holds the executable, as the platform reports it.
    virtual std::string programFolder() const = 0;
    virtual char pathSeparator() const = 0;

    // Another instance of this program runs for this user.
    virtual bool previousInstance() = 0;
    // Brings the window titled `title` to the front; throws Failure when there is none.
    virtual void activate(const std::string& title) = 0;

    // The running instance's window titled `title`, as seen from here.
    enum class WindowLookup { None, Invalid, Enabled, Disabled };
    virtual WindowLookup findWindow(const std::string& title) = 0;
    // Asks that window to close; returns once it has answered or a short wait has passed.
    virtual void postClose(const std::string& title) = 0;

    virtual void messageBox(const std::string& text) = 0;
    virtual void beep() = 0;
    // Lets queued events (ticks, serial events, clicks) run once.
    virtual void doEvents() = 0;
};

}  // namespace vq72
