// The application services of the soak: no other instance, no message boxes, and letting
// queued events run through Qt's event loop, as the program does.
#pragma once

#include <QCoreApplication>

#include "platform/app_services.h"
#include "platform/failure.h"

namespace vq72::soak {

class SoakAppServices : public AppServices {
public:
    std::string commandLine() const override { return {}; }
    std::string programFolder() const override { return "/tmp"; }
    char pathSeparator() const override { return '/'; }
    bool previousInstance() override { return false; }
    void activate(const std::string&) override { throw Failure(5, "no other instance"); }
    WindowLookup findWindow(const std::string&) override { return WindowLookup::None; }
    void postClose(const std::string&) override {}
    void messageBox(const std::string&) override {}
    void beep() override {}
    void doEvents() override { QCoreApplication::processEvents(); }
};

}  // namespace vq72::soak
