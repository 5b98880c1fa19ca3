// The About window host the logic is built with before the real host exists: the Qt host reads
// the program's window state, so it is made after the program and attached here. Until then
// no About window is loaded and showing one does nothing.
#pragma once

#include "platform/window_system.h"

namespace vq72 {

class AboutHostSlot : public AboutWindowHost {
public:
    void attach(AboutWindowHost* host) { host_ = host; }

    bool aboutLoaded() const override { return host_ != nullptr && host_->aboutLoaded(); }
    void showAboutModeless() override {
        if (host_) host_->showAboutModeless();
    }
    void showAboutModal() override {
        if (host_) host_->showAboutModal();
    }
    void unloadAbout() override {
        if (host_) host_->unloadAbout();
    }

private:
    AboutWindowHost* host_ = nullptr;
};

}  // namespace vq72
