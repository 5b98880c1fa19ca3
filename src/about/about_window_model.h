// SPDX-License-Identifier: MIT
// The model of the About window VQ72_OSD_Splash: its controls as data, its timer Timer1, and
// where each control lies, so that mouse events can be routed to the control under the pointer.
#pragma once

#include <vector>

#include "window/control.h"
#include "window/timer.h"

namespace vq72 {

class AboutWindowModel {
public:
    AboutWindowModel();
    AboutWindowModel(const AboutWindowModel&) = delete;
    AboutWindowModel& operator=(const AboutWindowModel&) = delete;

    // In stacking order from the top down.
    Control txt_version;
    Control lblPendric;
    Control img_fuzzy;
    Control imgLogo;
    Control lblVersion;
    Control VQ;
    Control lblCompanyProduct;
    Control lblemail;
    Control lbl_phone;
    Control lblurl;
    Control Frame1;
    Control Label1;

    Timer Timer1;

    // Every control from the top of the stack down.
    std::vector<Control*> controls();
    // The part of the window's client area where the control shows, in twips: a child of
    // Frame1 is clipped to Frame1.
    Rect placeOnWindow(const Control& control) const;
    // The topmost visible control at a point of the client area (twips); nullptr where the
    // window's own surface shows.
    Control* controlAt(int xTwips, int yTwips);

    // Tells the view of every change of a control.
    void setObserver(const Control::Observer& observer);
};

}  // namespace vq72
