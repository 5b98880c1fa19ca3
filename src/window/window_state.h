// The variables through which the main window's procedures cooperate. All start at zero,
// False or empty; the start-up sequence sets the few that need other values.
#pragma once

#include <string>

#include "device/program_identity.h"

namespace vq72 {

struct WindowState {
    bool FormLoading = false;
    std::string AppName;
    bool AboutFromMenu = false;
    int SkipComPort = 0;
    int ComPortNumber = 0;  // 1..16; 0 = none selected
    bool RefreshPortsPending = false;
    bool PortReady = false;
    bool CmdBusy = false;
    bool ReopenBeforeSend = false;
    bool TextTransferBusy = false;
    int TextSentPending = 0;     // an OSD text awaits the device's confirmation
    int RepliesOwed = 0;         // "CT-OK" replies owed for commands written recently
    int ReplyDeadlineTicks = 0;  // ticks until the replies still owed are given up
    int RxWaitTicks = 0;
    int TicksSinceReply = 0;
    int ErrorPanelTicks = 0;
    std::string LocationCode;
    std::string ColorCode;
    int TextAlignment = 0;  // 0 left, 1 right, 2 centre
};

}  // namespace vq72
