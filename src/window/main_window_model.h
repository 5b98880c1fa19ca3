// SPDX-License-Identifier: MIT
// The model of the main window frm_VQ72xx: every control of the layout as data, the menu bar,
// the three timers and the shared window state. Views and tests listen to its changes, and
// views raise the window's events on the handlers the program sets here; option buttons raise
// their group's click handler whenever their value becomes True.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/com_menu.h"
#include "window/control.h"
#include "window/main_window_events.h"
#include "window/timer.h"
#include "window/window_frame.h"
#include "window/window_state.h"

namespace vq72 {

enum class WindowProperty { Caption, MousePointer, OuterSize, AcceptsDrops };

class MainWindowListener {
public:
    virtual ~MainWindowListener() = default;
    virtual void controlChanged(const Control&, ControlProperty) {}
    virtual void windowChanged(WindowProperty) {}
};

class MainWindowModel : public WindowFrame {
public:
    static constexpr int kLayoutWidth = 368;
    static constexpr int kLayoutHeight = 471;
    static constexpr int kComMenuEntries = ComMenu::kEntries;

    MainWindowModel();
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // Controls, containers first, in the order of the layout.
    std::vector<Control> Label2;  // 0..2
    Control lbl_text_header;
    Control Text_input;
    Control lbl_not_legal;
    Control lbl_count;
    Control Frame2;
    std::vector<Control> opt_location;  // 0..8
    Control Frame1;
    std::vector<Control> opt_BK_WT;  // 0..1
    Control Label1;
    Control lbl_status_header;
    Control txtCom;
    Control lbl_txt_status;
    std::vector<Control> cmd_button;  // 0 SAVE, 1 EXIT, 2 BLANK
    Control frameError;
    Control lblErrMsg;
    Control cmdErrOK;

    // Menu bar.
    Control mnuFile;
    Control mnuDownloadLogotoRam;
    Control mnuUpLoadLogo;
    Control mnuExit;
    Control mnuCOM;
    Control& mnuCOMsel(int index) { return comMenu_.mnuCOMsel(index); }
    const Control& mnuCOMsel(int index) const { return comMenu_.mnuCOMsel(index); }
    ComMenu& comMenu() { return comMenu_; }
    Control mnuHelp;
    Control mnuManual;
    Control mnuAbout;
    Control mnuCopyright;

    Timer tmrSplash;
    Timer tmrComInit;
    Timer tmr_Delay;

    WindowState state;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption) override;
    MousePointer mousePointer() const { return mousePointer_; }
    void setMousePointer(MousePointer pointer) override;
    int outerWidthTwips() const { return outerWidthTwips_; }
    int outerHeightTwips() const { return outerHeightTwips_; }
    void setOuterHeightTwips(int twips) override;
    void setOuterWidthTwips(int twips) override;
    bool acceptsDrops() const { return acceptsDrops_; }
    void setAcceptsDrops(bool accepts) override;

    // Every control and menu entry, for views that build widgets from the model.
    std::vector<Control*> controls();
    std::vector<Control*> menuItems();

    // The handlers of the window's events; set before a view raises any.
    void setEvents(MainWindowEvents& events) { events_ = &events; }
    MainWindowEvents& events() const { return *events_; }
    void setLocationClickHandler(std::function<void(int)> handler) {
        onLocation_ = std::move(handler);
    }
    void setColourClickHandler(std::function<void(int)> handler) { onColour_ = std::move(handler); }

    void addListener(MainWindowListener* listener) { listeners_.push_back(listener); }
    void removeListener(MainWindowListener* listener);

private:
    void watch(Control& control);
    void optionChanged(std::vector<Control>& group, const Control& changed,
                       const std::function<void(int)>& handler);
    void notifyWindow(WindowProperty property);

    ComMenu comMenu_;
    std::string caption_;
    MousePointer mousePointer_ = MousePointer::Default;
    int outerWidthTwips_ = 0;
    int outerHeightTwips_ = 0;
    bool acceptsDrops_ = false;
    MainWindowEvents* events_ = nullptr;
    std::function<void(int)> onLocation_;
    std::function<void(int)> onColour_;
    std::vector<MainWindowListener*> listeners_;
};

}  // namespace vq72
