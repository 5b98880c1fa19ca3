// SPDX-License-Identifier: MIT
#include "window/main_window_model.h"

#include <algorithm>

#include "window/main_window_layout.h"

namespace vq72 {
namespace {

std::vector<Control> controlArray(const std::string& name, int first, int last) {
    std::vector<Control> array;
    for (int i = first; i <= last; ++i) array.emplace_back(mainWindowSpec(name, i));
    return array;
}

Control single(const std::string& name) {
    return Control(mainWindowSpec(name));
}

}  // namespace

MainWindowModel::MainWindowModel()
    : Label2(controlArray("Label2", 0, 2)),
      lbl_text_header(single("lbl_text_header")),
      Text_input(single("Text_input")),
      lbl_not_legal(single("lbl_not_legal")),
      lbl_count(single("lbl_count")),
      Frame2(single("Frame2")),
      opt_location(controlArray("opt_location", 0, 8)),
      Frame1(single("Frame1")),
      opt_BK_WT(controlArray("opt_BK_WT", 0, 1)),
      Label1(single("Label1")),
      lbl_status_header(single("lbl_status_header")),
      txtCom(single("txtCom")),
      lbl_txt_status(single("lbl_txt_status")),
      cmd_button(controlArray("cmd_button", 0, 2)),
      frameError(single("frameError")),
      lblErrMsg(single("lblErrMsg")),
      cmdErrOK(single("cmdErrOK")),
      mnuFile(single("mnuFile")),
      mnuDownloadLogotoRam(single("mnuDownloadLogotoRam")),
      mnuUpLoadLogo(single("mnuUpLoadLogo")),
      mnuExit(single("mnuExit")),
      mnuCOM(single("mnuCOM")),
      mnuHelp(single("mnuHelp")),
      mnuManual(single("mnuManual")),
      mnuAbout(single("mnuAbout")),
      mnuCopyright(single("mnuCopyright")),
      tmrSplash("tmrSplash", 100, false),
      tmrComInit("tmrComInit", 100, false),
      tmr_Delay("tmr_Delay", 25, true),
      comMenu_(controlArray("mnuCOMsel", 1, kComMenuEntries)) {
    for (Control* control : controls()) watch(*control);
    for (Control* item : menuItems()) watch(*item);
    for (Control& option : opt_location) {
        option.setObserver([this](const Control& c, ControlProperty p) {
            if (p == ControlProperty::Value) optionChanged(opt_location, c, onLocation_);
            for (auto* l : listeners_) l->controlChanged(c, p);
        });
    }
    for (Control& option : opt_BK_WT) {
        option.setObserver([this](const Control& c, ControlProperty p) {
            if (p == ControlProperty::Value) optionChanged(opt_BK_WT, c, onColour_);
            for (auto* l : listeners_) l->controlChanged(c, p);
        });
    }
}

std::vector<Control*> MainWindowModel::controls() {
    std::vector<Control*> all;
    auto addArray = [&all](std::vector<Control>& array) {
        for (Control& c : array) all.push_back(&c);
    };
    all.push_back(&Label2[0]);
    all.push_back(&lbl_text_header);
    all.push_back(&Text_input);
    all.push_back(&lbl_not_legal);
    all.push_back(&Label2[2]);
    all.push_back(&lbl_count);
    all.push_back(&Frame2);
    all.push_back(&Label2[1]);
    addArray(opt_location);
    all.push_back(&Frame1);
    addArray(opt_BK_WT);
    for (Control* c : {&Label1, &lbl_status_header, &txtCom, &lbl_txt_status}) all.push_back(c);
    all.push_back(&cmd_button[0]);
    all.push_back(&cmd_button[2]);
    all.push_back(&cmd_button[1]);
    for (Control* c : {&frameError, &lblErrMsg, &cmdErrOK}) all.push_back(c);
    return all;
}

std::vector<Control*> MainWindowModel::menuItems() {
    std::vector<Control*> all{&mnuFile, &mnuDownloadLogotoRam, &mnuUpLoadLogo, &mnuExit, &mnuCOM};
    for (Control& entry : comMenu_.entries()) all.push_back(&entry);
    for (Control* c : {&mnuHelp, &mnuManual, &mnuAbout, &mnuCopyright}) all.push_back(c);
    return all;
}

void MainWindowModel::watch(Control& control) {
    control.setObserver([this](const Control& c, ControlProperty p) {
        for (auto* l : listeners_) l->controlChanged(c, p);
    });
}

void MainWindowModel::optionChanged(std::vector<Control>& group, const Control& changed,
                                    const std::function<void(int)>& handler) {
    if (!changed.value()) return;
    for (Control& other : group) {
        if (&other != &changed) other.setValue(false);
    }
    if (handler) handler(changed.index());
}

void MainWindowModel::removeListener(MainWindowListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void MainWindowModel::notifyWindow(WindowProperty property) {
    for (auto* l : listeners_) l->windowChanged(property);
}

void MainWindowModel::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    notifyWindow(WindowProperty::Caption);
}

void MainWindowModel::setMousePointer(MousePointer pointer) {
    if (mousePointer_ == pointer) return;
    mousePointer_ = pointer;
    notifyWindow(WindowProperty::MousePointer);
}

void MainWindowModel::setOuterHeightTwips(int twips) {
    outerHeightTwips_ = twips;
    notifyWindow(WindowProperty::OuterSize);
}

void MainWindowModel::setOuterWidthTwips(int twips) {
    outerWidthTwips_ = twips;
    notifyWindow(WindowProperty::OuterSize);
}

void MainWindowModel::setAcceptsDrops(bool accepts) {
    if (acceptsDrops_ == accepts) return;
    acceptsDrops_ = accepts;
    notifyWindow(WindowProperty::AcceptsDrops);
}

}  // namespace vq72
