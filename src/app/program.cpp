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
      startUp_(frm_VQ72xx, report_, settings_, platform.app, [this] { ports_.portStartUp(); }) {
    platform_.serial.setEventHandler([this] { MSComm1_OnComm(); });
}

void Program::Form_Load() { startUp_.Form_Load(); }
void Program::Form_Unload() { shutdown_.Form_Unload(); }
void Program::Form_MouseMove() { frm_VQ72xx.setMousePointer(MousePointer::Default); }
void Program::Text_input_KeyPress(int& /*keyAscii*/) {}
std::string Program::Text_input_Insert(const std::string& text) { return text; }
void Program::cmd_button_Click(int index) {
    if (index == 1) {
        frm_VQ72xx.lbl_txt_status.setText("Exiting");
        platform_.mainWindow.closeMainWindow();
    }
}
void Program::cmdErrOK_Click() { report_.cmdErrOK_Click(); }
void Program::mnuExit_Click() { shutdown_.mnuExit_Click(); }
void Program::mnuManual_Click() { shutdown_.mnuManual_Click(); }
void Program::mnuAbout_Click() { shutdown_.mnuAbout_Click(); }
void Program::mnuCOM_Click() { ports_.mnuCOM_Click(); }
void Program::mnuCOMsel_Click(int index) { ports_.mnuCOMsel_Click(index); }
void Program::tmrSplash_Timer() {}
void Program::tmrComInit_Timer() { settle_.tmrComInit_Timer(); }
void Program::tmr_Delay_Timer() { supervision_.tmr_Delay_Timer(); }
void Program::MSComm1_OnComm() { serialEvents_.MSComm1_OnComm(); }

}  // namespace vq72
