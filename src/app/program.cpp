// SPDX-License-Identifier: MIT
#include "app/program.h"

#include <algorithm>

namespace vq72 {

// Each procedure group gets only the controls it uses, and the parts of the window state it uses
// (from the whole state, when it uses several).
Program::Program(MainWindowModel& window, Platform platform)
    : frm_VQ72xx(window),
      platform_(platform),
      report_(frm_VQ72xx.frameError, frm_VQ72xx.lblErrMsg),
      settings_(platform.settings),
      link_{frm_VQ72xx.txtCom, frm_VQ72xx.lbl_txt_status, frm_VQ72xx.mnuUpLoadLogo, frm_VQ72xx},
      settle_(frm_VQ72xx.tmrComInit, frm_VQ72xx.state),
      shutdown_(frm_VQ72xx.tmr_Delay, frm_VQ72xx.tmrComInit, platform.serial, platform.mainWindow,
                platform.about),
      helpMenu_(frm_VQ72xx.state, report_, platform.shell, platform.app, platform.about),
      ports_(link_, frm_VQ72xx.comMenu(), frm_VQ72xx.tmrComInit, frm_VQ72xx.state, report_,
             settings_, platform.serial, platform.app),
      channel_(link_, frm_VQ72xx.state, report_, platform.serial, ports_),
      reader_(link_, frm_VQ72xx.comMenu(), frm_VQ72xx.state, report_, settings_, platform.serial,
              platform.app),
      serialEvents_(report_, platform.serial, reader_, ports_),
      supervision_(link_, frm_VQ72xx.state, report_, platform.serial, reader_, ports_, channel_),
      startUp_(frm_VQ72xx.Text_input, frm_VQ72xx.opt_location, frm_VQ72xx.opt_BK_WT,
               frm_VQ72xx.tmrSplash, frm_VQ72xx, frm_VQ72xx.state, report_, settings_, platform.app,
               [this] { ports_.portStartUp(); }),
      osdTransfer_(frm_VQ72xx.lbl_txt_status, frm_VQ72xx, frm_VQ72xx.state, report_, platform.app,
                   [this](const std::string& command) { return channel_.SendCom(command); }),
      textEntry_(frm_VQ72xx.Text_input),
      displayOptions_(frm_VQ72xx.Text_input, frm_VQ72xx.state),
      actionButtons_(frm_VQ72xx.Text_input, frm_VQ72xx.lbl_txt_status, frm_VQ72xx.cmd_button,
                     frm_VQ72xx.state, osdTransfer_, platform.mainWindow),
      startUpSplash_(frm_VQ72xx.tmrSplash, frm_VQ72xx, frm_VQ72xx.state, platform.about) {
    frm_VQ72xx.setEvents(*this);
    platform_.serial.setEventHandler([this] { MSComm1_OnComm(); });
    frm_VQ72xx.setLocationClickHandler(
        [this](int index) { displayOptions_.opt_location_Click(index); });
    frm_VQ72xx.setColourClickHandler([this](int index) { displayOptions_.opt_BK_WT_Click(index); });
}

void Program::Form_Load() {
    startUp_.Form_Load();
}
void Program::Form_Unload() {
    shutdown_.Form_Unload();
}
void Program::Form_MouseMove() {
    frm_VQ72xx.setMousePointer(MousePointer::Default);
}
void Program::Text_input_KeyPress(int& keyAscii) {
    textEntry_.Text_input_KeyPress(keyAscii);
}
std::string Program::Text_input_Insert(const std::string& text) {
    return TextEntry::Text_input_Insert(text);
}
void Program::cmd_button_Click(int index) {
    actionButtons_.cmd_button_Click(index);
}
void Program::cmdErrOK_Click() {
    report_.cmdErrOK_Click();
}
void Program::mnuExit_Click() {
    shutdown_.mnuExit_Click();
}
void Program::mnuManual_Click() {
    helpMenu_.mnuManual_Click();
}
void Program::mnuAbout_Click() {
    helpMenu_.mnuAbout_Click();
}
void Program::mnuCOM_Click() {
    ports_.mnuCOM_Click();
}
void Program::mnuCOMsel_Click(int index) {
    ports_.mnuCOMsel_Click(index);
}
void Program::tmrSplash_Timer() {
    startUpSplash_.tmrSplash_Timer();
}
void Program::tmrComInit_Timer() {
    settle_.tmrComInit_Timer();
}
void Program::tmr_Delay_Timer() {
    supervision_.tmr_Delay_Timer();
}
void Program::MSComm1_OnComm() {
    serialEvents_.MSComm1_OnComm();
}

DueTicks Program::ticksUntilDue() const {
    DueTicks due;
    if (frm_VQ72xx.tmr_Delay.enabled())
        due.delay = std::min(supervision_.ticksUntilDue(), report_.ticksUntilDue());
    if (frm_VQ72xx.tmrComInit.enabled()) due.slow = settle_.ticksUntilDue();
    if (frm_VQ72xx.tmrSplash.enabled()) due.slow = 1;  // the splash shows on its first tick
    return due;
}

}  // namespace vq72
