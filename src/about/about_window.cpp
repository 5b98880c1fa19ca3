// SPDX-License-Identifier: MIT
#include "about/about_window.h"

#include <string>

#include "about/about_texts.h"
#include "vq72/version.h"
#include "window/guard.h"

namespace vq72 {

void AboutWindow::Form_Load() {
    const std::string version =
        about::versionLine(version::kMajor, version::kMinor, version::kRevision);
    w_.txt_version.setText(version);
    w_.lblCompanyProduct.setText("");
    w_.lblPendric.setText(about::credits(version));
    CloseCountdown = kSplashTicks;
    HidePhaseAReload = HidePhaseA = kHidePhaseATicks;
    HidePhaseBReload = HidePhaseB = kHidePhaseBTicks;
    w_.lblPendric.setVisible(false);
    if (mainState_.AboutFromMenu) CloseCountdown = kMenuTicks;
    MouseHeld = false;
}

void AboutWindow::Timer1_Timer() {
    if (CloseCountdown > 0) {
        --CloseCountdown;
    } else if (MouseHeld) {
        // The window stays while a button is held.
        w_.lblPendric.setVisible(true);
        return;
    } else {
        closeWindow();
        return;
    }

    // Credits auto-hide: hidden on every (A + B + 1)th tick, whatever revealed them.
    if (HidePhaseA > 0) {
        --HidePhaseA;
    } else if (HidePhaseB > 0) {
        --HidePhaseB;
    } else {
        w_.lblPendric.setVisible(false);
        HidePhaseA = HidePhaseAReload;
        HidePhaseB = HidePhaseBReload;
    }
}

void AboutWindow::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != 0) closeWindow();
}

void AboutWindow::mouseDown(int xTwips, int yTwips) {
    pressing_ = true;
    pressed_ = w_.controlAt(xTwips, yTwips);
    if (handlesMouse(pressed_)) MouseHeld = true;
}

void AboutWindow::mouseMove() {
    if (MouseHeld) w_.lblPendric.setVisible(true);
}

void AboutWindow::mouseUp(int xTwips, int yTwips) {
    if (!pressing_) return;
    pressing_ = false;
    if (!handlesMouse(pressed_)) return;
    MouseHeld = false;
    if (w_.controlAt(xTwips, yTwips) == pressed_) Control_Click(*pressed_);
}

void AboutWindow::Control_Click(const Control& control) {
    // The shell's answer is not looked at: a missing mail or web handler says nothing.
    if (&control == &w_.lblemail) {
        ignoringFailure([&] { shell_.open("mailto:" + w_.lblemail.text()); });
    } else if (&control == &w_.lblurl) {
        ignoringFailure([&] { shell_.open(w_.lblurl.text()); });
    } else if (handlesMouse(&control)) {
        closeWindow();
    }
}

bool AboutWindow::handlesMouse(const Control* control) const {
    for (const Control* c :
         {&w_.Frame1, &w_.img_fuzzy, &w_.imgLogo, &w_.Label1, &w_.lblCompanyProduct, &w_.lblemail,
          &w_.lblurl, &w_.lblPendric, &w_.lblVersion}) {
        if (c == control) return true;
    }
    return false;
}

void AboutWindow::closeWindow() {
    w_.Timer1.setEnabled(false);
    if (close_) close_();
}

}  // namespace vq72
