// SPDX-License-Identifier: MIT
// The main window's logic composed: its procedures grouped by concern over the window's model,
// and the event handlers that the view (through the model) and the timer driver call. The model
// and the platform services come in through the constructor, so tests run all of it with fakes.
#pragma once

#include <string>

#include "device/settings_store.h"
#include "lifecycle/help_menu.h"
#include "lifecycle/settle_timer.h"
#include "lifecycle/shutdown.h"
#include "lifecycle/start_up.h"
#include "lifecycle/start_up_splash.h"
#include "osd/action_buttons.h"
#include "osd/character_count.h"
#include "osd/display_options.h"
#include "osd/osd_transfer.h"
#include "osd/text_entry.h"
#include "platform/app_services.h"
#include "platform/serial_control.h"
#include "platform/settings_backing.h"
#include "platform/shell.h"
#include "platform/window_system.h"
#include "protocol/command_channel.h"
#include "protocol/link_supervision.h"
#include "protocol/reply_reader.h"
#include "protocol/serial_events.h"
#include "serial/port_discovery.h"
#include "window/link_indicators.h"
#include "window/main_window_events.h"
#include "window/main_window_model.h"
#include "window/report.h"

namespace vq72 {

struct Platform {
    SerialControl& serial;
    SettingsBacking& settings;
    Shell& shell;
    AppServices& app;
    MainWindowHost& mainWindow;
    AboutWindowHost& about;
};

class Program : public MainWindowEvents {
public:
    // Handles the events of `window`, which outlives it.
    Program(MainWindowModel& window, Platform platform);

    MainWindowModel& frm_VQ72xx;

    void Form_Load() override;
    void Form_Unload() override;
    void Form_MouseMove() override;
    void Text_input_KeyPress(int& keyAscii) override;
    std::string Text_input_Insert(const std::string& text) override;
    void cmd_button_Click(int index) override;
    void cmdErrOK_Click() override;
    void mnuExit_Click() override;
    void mnuManual_Click() override;
    void mnuAbout_Click() override;
    void mnuCOM_Click() override;
    void mnuCOMsel_Click(int index) override;
    void tmrSplash_Timer() override;
    void tmrComInit_Timer() override;
    void tmr_Delay_Timer() override;
    void MSComm1_OnComm() override;
    DueTicks ticksUntilDue() const override;

    ReportRoutine& report() { return report_; }
    SettingsStore& settings() { return settings_; }
    Shutdown& shutdown() { return shutdown_; }
    PortDiscovery& ports() { return ports_; }
    CommandChannel& channel() { return channel_; }
    ReplyReader& reader() { return reader_; }
    LinkSupervision& supervision() { return supervision_; }
    OsdTransfer& osdTransfer() { return osdTransfer_; }

private:
    Platform platform_;
    ReportRoutine report_;
    SettingsStore settings_;
    LinkIndicators link_;
    SettleTimer settle_;
    Shutdown shutdown_;
    HelpMenu helpMenu_;
    PortDiscovery ports_;
    CommandChannel channel_;
    ReplyReader reader_;
    SerialEvents serialEvents_;
    LinkSupervision supervision_;
    StartUp startUp_;
    OsdTransfer osdTransfer_;
    TextEntry textEntry_;
    DisplayOptions displayOptions_;
    ActionButtons actionButtons_;
    StartUpSplash startUpSplash_;
    CharacterCount characterCount_{frm_VQ72xx};
};

}  // namespace vq72
