// SPDX-License-Identifier: MIT
// Finding the usable serial ports for the Com menu, opening the selected port, and the Com
// menu's handlers. The port start-up runs once, from the start-up sequence.
#pragma once

#include <string>

#include "device/port_setup.h"
#include "device/settings_store.h"
#include "platform/app_services.h"
#include "platform/serial_control.h"
#include "window/com_menu.h"
#include "window/guard.h"
#include "window/link_indicators.h"
#include "window/report.h"
#include "window/timer.h"
#include "window/window_state.h"

namespace vq72 {

class PortDiscovery {
public:
    static constexpr const char* kLineSettings = port_setup::kLineSettings;
    static constexpr int kNoHandshaking = port_setup::kNoHandshaking;
    static constexpr int kInputLen = port_setup::kInputLen;
    static constexpr int kOutBufferSize = port_setup::kOutBufferSize;
    static constexpr int kReceiveThreshold = 11;
    // The title of the report that a chosen port cannot be stored.
    static constexpr const char* kSettingsTitle = "Settings";

    PortDiscovery(LinkIndicators& link, ComMenu& menu, Timer& tmrComInit, WindowState& state,
                  ReportRoutine& report, SettingsStore& settings, SerialControl& serial,
                  AppServices& app)
        : link_(link),
          menu_(menu),
          tmrComInit_(tmrComInit),
          selection_(state),
          transfer_(state),
          report_(report),
          settings_(settings),
          serial_(serial),
          app_(app) {}

    // Scans the ports, restores the saved "ComPort" and opens it. (Reads are event driven and
    // never wait: there are no read timeouts to set.)
    void portStartUp();
    // Lists the ports that open (at most twelve) in the Com menu, then reopens the selected one;
    // while network ports still connect, it stops after "Searching for Com Ports" until
    // openSettled().
    void FindComs();
    // Closes the control and opens ComPortNumber; does nothing while no port is selected. A
    // network port still connecting leaves everything as it is until openSettled().
    void DetermineValidPorts();
    void mnuCOMsel_Click(int Index);
    void mnuCOM_Click();
    // comm_event::kOpenSettled: the network ports that a scan or an open waited for have
    // connected or failed; the scan (or the open) runs again.
    void openSettled();

    // The failure number reported last by DetermineValidPorts; the same number is reported once.
    long LastPortError = 0;
    // The selected port is still connecting (a network port); openSettled() opens it.
    bool OpenPending = false;
    // A scan waits for network ports to connect; openSettled() runs it again.
    bool ScanPending = false;

private:
    void restoreCheckMark(const std::string& saved);
    // The failure rule of DetermineValidPorts: true to go on with the next unit.
    bool openFailed(const FailureInfo& failure, const std::string& OpenStep);
    void uncheckComEntries();
    // Says once per run that the chosen port could not be stored, naming the settings file.
    void portNotRemembered(int port);

    LinkIndicators& link_;
    ComMenu& menu_;
    Timer& tmrComInit_;
    PortSelection& selection_;
    const TransferFlags& transfer_;
    ReportRoutine& report_;
    SettingsStore& settings_;
    SerialControl& serial_;
    AppServices& app_;
    bool portNotRememberedReported_ = false;
};

}  // namespace vq72
