// SPDX-License-Identifier: MIT
#include "about/about_window_model.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "about/about_contacts.h"
#include "about/about_layout.h"

namespace vq72 {
namespace {

Control single(const std::string& name) {
    for (const ControlSpec& spec : about::aboutWindowLayout()) {
        if (spec.name == name) return Control(spec);
    }
    throw std::out_of_range("no About window control " + name);
}

bool contains(const Rect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

Rect intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace

AboutWindowModel::AboutWindowModel()
    : txt_version(single("txt_version")),
      lblPendric(single("lblPendric")),
      img_fuzzy(single("img_fuzzy")),
      imgLogo(single("imgLogo")),
      lblVersion(single("lblVersion")),
      VQ(single("VQ")),
      lblCompanyProduct(single("lblCompanyProduct")),
      lblemail(single("lblemail")),
      lbl_phone(single("lbl_phone")),
      lblurl(single("lblurl")),
      Frame1(single("Frame1")),
      Label1(single("Label1")),
      Timer1("Timer1", about::kTimer1IntervalMs, true) {
    Frame1.setToolTip(about::kMakerWeb);
}

std::vector<Control*> AboutWindowModel::controls() {
    return {&txt_version,       &lblPendric, &img_fuzzy, &imgLogo, &lblVersion, &VQ,
            &lblCompanyProduct, &lblemail,   &lbl_phone, &lblurl,  &Frame1,     &Label1};
}

Rect AboutWindowModel::placeOnWindow(const Control& control) const {
    Rect place = control.geometry();
    if (control.spec().container != Frame1.name()) return place;
    // A child of Frame1 shows, and takes the mouse, only inside Frame1.
    place.left += Frame1.geometry().left;
    place.top += Frame1.geometry().top;
    return intersection(place, Frame1.geometry());
}

Control* AboutWindowModel::controlAt(int xTwips, int yTwips) {
    for (Control* control : controls()) {
        if (control->visible() && contains(placeOnWindow(*control), xTwips, yTwips)) {
            return control;
        }
    }
    return nullptr;
}

void AboutWindowModel::setObserver(const Control::Observer& observer) {
    for (Control* control : controls()) control->setObserver(observer);
}

}  // namespace vq72
