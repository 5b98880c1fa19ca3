// SPDX-License-Identifier: MIT
#include "serial/port_discovery.h"

#include <vector>

#include "device/number_text.h"
#include "device/port_map.h"
#include "device/port_messages.h"
#include "platform/failure_numbers.h"
#include "window/stoppable_guard.h"

namespace vq72 {
namespace {

constexpr const char* kComPortSetting = "ComPort";
constexpr const char* kNoComPort = "No Com Port";

}  // namespace

void PortDiscovery::portStartUp() {
    ReportingGuard step(report_, "Form_Load");

    FindComs();
    std::string saved;
    step(
        [&] { saved = settings_.GetRegSetting(kAppTitle, kFormInitSection, kComPortSetting, ""); });

    if (saved.empty()) {
        selection_.ComPortNumber = 0;
    } else {
        ignoringFailure([&] { restoreCheckMark(saved); });
        ignoringFailure([&] { selection_.ComPortNumber = toInteger16(saved); });
        ignoringFailure([&] { link_.txtCom.setText(std::to_string(selection_.ComPortNumber)); });
        DetermineValidPorts();
    }
}

void PortDiscovery::restoreCheckMark(const std::string& saved) {
    const auto wanted = numericValue(saved);
    if (!wanted) return;
    for (int i = 1; i <= ComMenu::kEntries; ++i) {
        Control& entry = menu_.mnuCOMsel(i);
        if (numericValue(entry.tag()) == wanted) {
            entry.setValue(true);
            return;
        }
    }
}

void PortDiscovery::FindComs() {
    ReportingGuard step(report_, ReportRoutine::kQuietTitle);

    step([&] { link_.lbl_txt_status.setText("Searching for Com Ports"); });
    step([&] { app_.doEvents(); });
    step([&] {
        if (serial_.portOpen()) serial_.setPortOpen(false);
    });

    std::vector<int> scanned;
    for (int i = PortMap::kFirstPort; i <= PortMap::kLastPort; ++i) {
        if (i != selection_.SkipComPort) scanned.push_back(i);
    }
    bool ready = true;
    step([&] { ready = serial_.beginPortScan(scanned); });
    // Network ports still connecting: the scan begins again once they have (openSettled()).
    ScanPending = !ready;
    if (!ready) return;
    int n = 1;
    for (const int i : scanned) {
        step([&] { serial_.setCommPort(i); });
        step([&] { serial_.setPortOpen(true); });
        bool opened = false;
        step([&] { opened = serial_.portOpen(); });
        Control& entry = menu_.mnuCOMsel(n);
        if (opened) {
            step([&] { serial_.setPortOpen(false); });
            step([&] { entry.setVisible(true); });
            step([&] { entry.setText("COM&" + std::to_string(i)); });
            step([&] { entry.setTag(blankPrefixed(i)); });
            step([&] { entry.setToolTip(menu_.toolTip(i, serial_.devicePath(i))); });
            if (++n > ComMenu::kEntries) break;
        } else {
            step([&] { entry.setTag("0"); });
            step([&] { entry.setVisible(false); });
            step([&] { entry.setText(""); });
            step([&] { entry.setToolTip(""); });
        }
    }
    for (int hidden = n; hidden <= ComMenu::kEntries; ++hidden) {
        step([&] { menu_.mnuCOMsel(hidden).setVisible(false); });
    }

    step([&] { DetermineValidPorts(); });
    step([&] { link_.lbl_txt_status.setText(""); });
}

void PortDiscovery::DetermineValidPorts() {
    OpenPending = false;
    if (selection_.ComPortNumber == 0) return;

    std::string OpenStep;
    StoppableGuard unit([&](const FailureInfo& f) { return openFailed(f, OpenStep); });

    bool open = false;
    unit([&] { open = serial_.portOpen(); });
    if (open) {
        unit([&] { serial_.setDTREnable(false); });
        unit([&] { serial_.setRTSEnable(false); });
        unit([&] { serial_.setPortOpen(false); });
    }

    OpenStep = "01";
    unit([&] { serial_.setCommPort(selection_.ComPortNumber); });
    unit([&] { serial_.setSettings(kLineSettings); });
    unit([&] { serial_.setHandshaking(kNoHandshaking); });
    unit([&] { serial_.setDTREnable(false); });
    unit([&] { serial_.setRTSEnable(false); });
    unit([&] { serial_.setInputLen(kInputLen); });
    unit([&] { serial_.setOutBufferSize(kOutBufferSize); });
    unit([&] { serial_.setRThreshold(kReceiveThreshold); });

    OpenStep = "02";
    unit([&] { serial_.setPortOpen(true); });

    open = false;
    unit([&] { open = serial_.portOpen(); });
    if (open) {
        unit([&] { serial_.setSettings(kLineSettings); });
        unit([&] { serial_.setHandshaking(kNoHandshaking); });
        unit([&] { serial_.setDTREnable(true); });
        unit([&] { serial_.setRTSEnable(true); });
    }

    open = false;
    unit([&] { open = serial_.portOpen(); });
    if (!open) {
        unit([&] { link_.txtCom.setBackColour(kRed); });
        unit([&] { link_.lbl_txt_status.setText(kNoComPort); });
        return;
    }
    unit([&] { link_.txtCom.setBackColour(kMagenta); });
    unit([&] { tmrComInit_.setEnabled(true); });
}

bool PortDiscovery::openFailed(const FailureInfo& failure, const std::string& OpenStep) {
    // A network port still connecting: nothing to say yet; openSettled() opens it again.
    if (failure.number == failure_number::kPortOpening) {
        OpenPending = true;
        return false;
    }
    if (failure.number == LastPortError) return true;
    uncheckComEntries();

    const int port = selection_.ComPortNumber;
    const std::string title = "StartCom " + OpenStep;
    std::string message;
    bool goOn = true;
    if (failure.number == failure_number::kNoSuchPort) {
        message = invalidPortMessage(port);
    } else if (failure.number == failure_number::kPortInUse) {
        message = portInUseMessage(port);
    } else {
        // Any other failure leaves the port unusable: say so instead of keeping an old colour.
        ignoringFailure([&] { link_.txtCom.setBackColour(kRed); });
        ignoringFailure([&] { link_.lbl_txt_status.setText(kNoComPort); });
        message = failure.description;
        goOn = false;
    }
    ignoringFailure([&] { report_.ShowError(message, title); });
    LastPortError = failure.number;
    return goOn;
}

void PortDiscovery::uncheckComEntries() {
    for (int i = 1; i <= ComMenu::kEntries; ++i) {
        ignoringFailure([&] { menu_.mnuCOMsel(i).setValue(false); });
    }
}

void PortDiscovery::mnuCOMsel_Click(int Index) {
    ReportingGuard(report_, "mnuCOMsel_Click")([&] {
        link_.lbl_txt_status.setText("Finding COM Ports");
        for (int i = 1; i <= ComMenu::kEntries; ++i) menu_.mnuCOMsel(i).setValue(false);
        menu_.mnuCOMsel(Index).setValue(true);
        selection_.ComPortNumber = toInteger16(menu_.mnuCOMsel(Index).tag());
        DetermineValidPorts();
        if (!settings_.SaveRegSetting(kAppTitle, kFormInitSection, kComPortSetting,
                                      blankPrefixed(selection_.ComPortNumber))) {
            portNotRemembered(selection_.ComPortNumber);
        }
        link_.txtCom.setText(std::to_string(selection_.ComPortNumber));
    });
}

void PortDiscovery::portNotRemembered(int port) {
    if (portNotRememberedReported_) return;
    portNotRememberedReported_ = true;
    report_.ShowError("COM" + std::to_string(port) +
                          " will not be remembered for the next start: the settings file " +
                          settings_.location(kAppTitle, kFormInitSection, kComPortSetting) +
                          " cannot be written. Check that it and its folder are writable.",
                      kSettingsTitle);
}

void PortDiscovery::openSettled() {
    if (ScanPending) {
        ScanPending = false;
        // The scan closes the port: during a transfer it waits for the transfer's end.
        if (transfer_.TextTransferBusy) {
            selection_.RefreshPortsPending = true;
        } else {
            FindComs();
        }
        return;
    }
    if (OpenPending) DetermineValidPorts();
}

void PortDiscovery::mnuCOM_Click() {
    if (!transfer_.TextTransferBusy) selection_.RefreshPortsPending = true;
}

}  // namespace vq72
