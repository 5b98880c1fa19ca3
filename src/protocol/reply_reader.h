// SPDX-License-Identifier: MIT
// Turns the device's bytes into reply lines and acts on them: RecvData collects bytes until the
// line has been quiet for a few ticks and splits the batch at carriage returns; ProcessData
// matches one line against the reply tokens.
#pragma once

#include <string>

#include "device/receive_buffer.h"
#include "device/reply_tokens.h"
#include "device/settings_store.h"
#include "platform/app_services.h"
#include "platform/serial_control.h"
#include "window/com_menu.h"
#include "window/guard.h"
#include "window/link_indicators.h"
#include "window/report.h"
#include "window/window_state.h"

namespace vq72 {

class ReplyReader {
public:
    // Quiet time in supervision ticks before a batch is taken; longer after a banner start.
    static constexpr int kQuietTicks = 2;
    static constexpr int kBannerQuietTicks = 3;
    static constexpr const char* kBannerStart = "(C)";
    // A line holding the banner token is ignored; otherwise one holding the acknowledgement
    // token acknowledges the last command.
    static constexpr const char* kBannerToken = reply_tokens::kBanner;
    static constexpr const char* kAcknowledgement = reply_tokens::kAcknowledgement;
    // A batch shorter than this is dropped.
    static constexpr std::size_t kMinBatch = 11;
    static constexpr int kLogoModel = 5;

    ReplyReader(LinkIndicators& link, ComMenu& menu, WindowState& state, ReportRoutine& report,
                SettingsStore& settings, SerialControl& serial, AppServices& app)
        : link_(link),
          menu_(menu),
          startUp_(state),
          flags_(state),
          transfer_(state),
          report_(report),
          settings_(settings),
          serial_(serial),
          app_(app) {}

    // A failure of its own reception teardown (closing the port) reaches the caller.
    void RecvData();
    void ProcessData(std::string line);
    // The last text owed was given up: it is reported as not confirmed.
    void lastTextGivenUp();

    ReceiveBuffer RxBuffer;
    // The value last stored for "LG_Model" in this run.
    int LogoModelSaved = 0;
    // Shown by the "BGERA" notice; nothing in this program changes it.
    static constexpr int ImageNumber = 0;

private:
    // Reads what waits; returns false when Input gave nothing.
    bool receive(bool& readingInput);
    void interpret(const std::string& batch);
    // A "CT-OK" pays the oldest reply owed: "Done" when that confirms the text, a detection
    // when no text awaits one.
    void acknowledged();
    // Runs one step of ProcessData: a failure marks the port gone and is reported.
    template <typename Unit>
    void step(Unit&& unit) {
        FailureInfo failure;
        if (!runUnit(unit, failure)) processFailed(failure);
    }
    // Closes the port, then marks it gone.
    void teardown();
    // Beeps, marks the port not ready, shows "No Com Port" and drops the bytes received.
    void markNoComPort();
    void processFailed(const FailureInfo& failure);

    LinkIndicators& link_;
    ComMenu& menu_;  // notes the ports a VQ72xx answered on
    const StartUpFlags& startUp_;
    LinkFlags& flags_;
    TransferFlags& transfer_;
    ReportRoutine& report_;
    SettingsStore& settings_;
    SerialControl& serial_;
    AppServices& app_;
};

}  // namespace vq72
