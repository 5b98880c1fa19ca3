// SPDX-License-Identifier: MIT
// The About window's host over Qt: loads a fresh model, behaviour and view on demand, shows it
// beside the main window or modally over it, and unloads it whenever it closes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/shell.h"
#include "platform/window_system.h"
#include "window/window_state.h"

class QEventLoop;

namespace vq72 {

class AboutWindowView;

class QtAboutHost : public AboutWindowHost {
public:
    // `state` is the main window's (AboutFromMenu, read at each load); `parent` is the main
    // window, which the About window stays over and which a modal About window blocks.
    QtAboutHost(const StartUpFlags& state, Shell& shell, QWidget* parent);
    ~QtAboutHost() override;
    QtAboutHost(const QtAboutHost&) = delete;
    QtAboutHost& operator=(const QtAboutHost&) = delete;

    bool aboutLoaded() const override;
    void showAboutModeless() override;
    // Runs a local event loop until the window closes: the main window's timers and serial
    // events go on, its input is blocked.
    void showAboutModal() override;
    // Hides the window at once and deletes it once control is back in the event loop, so that
    // it can be unloaded from inside its own handlers. Ends a modal showing.
    void unloadAbout() override;

    // The loaded window's view; nullptr while none is loaded.
    AboutWindowView* view() const;

private:
    class Loaded;

    void load();
    // Unloads `window` if it is still the loaded one.
    void unload(Loaded* window);
    void bringForward();

    const StartUpFlags& state_;
    Shell& shell_;
    QPointer<QWidget> parent_;
    std::unique_ptr<Loaded> loaded_;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace vq72
