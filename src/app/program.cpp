#include "app/program.h"

namespace vq72 {

Program::Program(Platform platform)
    : platform_(platform),
      report_(frm_VQ72xx),
      settings_(platform.settings),
      settle_(frm_VQ72xx),
      shutdown_(frm_VQ72xx, report_, platform.serial, platform.shell, platform.app,
                platform.mainWindow, platform.about),
      ports_(frm_VQ72xx, report_, settings_, platform.serial, platform.app),
      channel_(frm_VQ72xx, report_, platform.serial, ports_),
      reader_(frm_VQ72xx, report_, settings_, platform.serial, platform.app),
      serialEvents_(report_, platform.serial, reader_, ports_),
      supervision_(frm_VQ72xx, report_, platform.serial, reader_, ports_, channel_),
      startUp_(frm_VQ72xx, report_, settings_, platform.app, [this] { ports_.portStartUp(); }),
      osdTransfer_(frm_VQ72xx, report_, platform.app,
                   [this](const std::string& command) { return channel_.SendCom(command); }),
      textEntry_(frm_VQ72xx),
      displayOptions_(frm_VQ72xx),
      actionButtons_(frm_VQ72xx, osdTransfer_, platform.mainWindow),
      startUpSplash_(frm_VQ72xx, platform.about) {
    platform_.serial.setEventHandler([this] { MSComm1_OnComm(); });
    frm_VQ72xx.setLocationClickHandler([this](int index) { displayOptions_.opt_location_Click(index); });
    frm_VQ72xx.setColourClickHandler([this](int index) { displayOptions_.opt_BK_WT_Click(index); });
}

void Program::Form_Load() { startUp_.Form_Load(); }
void Program::Form_Unload() { shutdown_.Form_Unload(); }
void Program::Form_MouseMove() { frm_VQ72xx.setMousePointer(MousePointer::Default); }
void Program::Text_input_KeyPress(int& keyAscii) { textEntry_.Text_input_KeyPress(keyAscii); }
std::string Program::Text_input_Insert(const std::string& text) {
    return TextEntry::Text_input_Insert(text);
}
void Program::cmd_button_Click(int index) { actionButtons_.cmd_button_Click(index); }
void Program::cmdErrOK_Click() { report_.cmdErrOK_Click(); }
void Program::mnuExit_Click() { shutdown_.mnuExit_Click(); }
void Program::mnuManual_Click() { shutdown_.mnuManual_Click(); }
void Program::mnuAbout_Click() { shutdown_.mnuAbout_Click(); }
void Program::mnuCOM_Click() { ports_.mnuCOM_Click(); }
void Program::mnuCOMsel_Click(int index) { ports_.mnuCOMsel_Click(index); }
void Program::tmrSplash_Timer() { startUpSplash_.tmrSplash_Timer(); }
void Program::tmrComInit_Timer() { settle_.tmrComInit_Timer(); }
void Program::tmr_Delay_Timer() { supervision_.tmr_Delay_Timer(); }
void Program::MSComm1_OnComm() { serialEvents_.MSComm1_OnComm(); }

}  // namespace vq72
