// SPDX-License-Identifier: MIT
// The About window's behaviour: the texts written at load, the self-closing countdown of
// Timer1, the credits revealed by dragging and hidden again by a cycle of ticks, clicks that
// close the window or open a link, and keys that close it.
#pragma once

#include <functional>

#include "about/about_window_model.h"
#include "platform/shell.h"
#include "window/window_state.h"

namespace vq72 {

class AboutWindow {
public:
    static constexpr int kSplashTicks = 2;  // Timer1 ticks before the splash closes
    static constexpr int kMenuTicks = 600;  // ... and the About window opened from the menu
    static constexpr int kHidePhaseATicks = 7;
    static constexpr int kHidePhaseBTicks = 5;

    // `mainState` supplies AboutFromMenu, read once at load; `close` asks the view to close
    // (and unload) the window.
    AboutWindow(AboutWindowModel& window, const StartUpFlags& mainState, Shell& shell,
                std::function<void()> close)
        : w_(window), mainState_(mainState), shell_(shell), close_(std::move(close)) {}

    void Form_Load();
    void Timer1_Timer();
    // KeyAscii: the character the key produced; 0 for keys that produce none (arrows,
    // function keys, modifiers), which leave the window open.
    void Form_KeyPress(int KeyAscii);

    // Mouse events anywhere on the window, in twips of its client area. A press captures the
    // control under the pointer and the release goes to it: it is that control's click only
    // when it happens over the same control. A press on one of the nine controls that take
    // mouse events holds the mouse, any move while it is held reveals the credits, the
    // release lets go.
    void mouseDown(int xTwips, int yTwips);
    void mouseMove();
    void mouseUp(int xTwips, int yTwips);

    // A click on one of the nine controls that take mouse events: lblemail and lblurl open
    // their link, the others close the window; other controls ignore it.
    void Control_Click(const Control& control);

private:
    bool handlesMouse(const Control* control) const;
    void closeWindow();

    AboutWindowModel& w_;
    const StartUpFlags& mainState_;
    Shell& shell_;
    std::function<void()> close_;

    bool MouseHeld = false;
    int CloseCountdown = kSplashTicks;
    int HidePhaseA = kHidePhaseATicks;
    int HidePhaseB = kHidePhaseBTicks;
    int HidePhaseAReload = kHidePhaseATicks;
    int HidePhaseBReload = kHidePhaseBTicks;

    bool pressing_ = false;
    const Control* pressed_ = nullptr;  // nullptr: pressed on the window's own surface
};

}  // namespace vq72
