// SPDX-License-Identifier: MIT
// The variables through which the main window's procedures cooperate, grouped by concern so
// that each procedure group keeps only the groups it reads or writes (one that uses several is
// handed the whole state and keeps its groups). All start at zero,
// False or empty; the start-up sequence sets the few that need other values. Each field says
// which procedures write it and which read it.
#pragma once

#include <string>

#include "device/program_identity.h"
#include "device/reply_ledger.h"
#include "window/no_reply_notice.h"

namespace vq72 {

struct StartUpFlags {
    // written by start-up; read by the command channel and the OSD transfer
    bool FormLoading = false;
    // written by start-up; read by the command channel, the reply reader and the Help menu
    std::string AppName;
    // written by the Help menu's About and the start-up splash; read by the About window
    bool AboutFromMenu = false;
};

struct PortSelection {
    // written by start-up; read by port discovery
    int SkipComPort = 0;
    // written by port discovery; read by port discovery and the command channel
    int ComPortNumber = 0;  // 1..16; 0 = none selected
    // set by port discovery, cleared by the link supervision that reads it
    bool RefreshPortsPending = false;
};

struct LinkFlags {
    // set by the settle timer, cleared by the reply reader; read by the link supervision and
    // the reply reader
    bool PortReady = false;
    // written by the command channel and the settle timer; read by the command channel
    bool CmdBusy = false;
    // written by the link supervision and the command channel; read by the command channel
    bool ReopenBeforeSend = false;
    // written to and forgotten by the command channel, paid by the reply reader, aged by the
    // link supervision; read by the reply reader and the link supervision
    ReplyLedger Replies;  // the "CT-OK" replies owed for the commands written
    // set by the reply reader, counted down by the link supervision; both read it
    int RxWaitTicks = 0;
    // counted up and restarted by the link supervision, reset by the reply reader; read by the
    // link supervision
    int TicksSinceReply = 0;
};

struct TransferFlags {
    // written by the OSD transfer; read by the link supervision, the command channel, the settle
    // timer and port discovery
    bool TextTransferBusy = false;
    // set by the OSD transfer, cleared by it and the reply reader; read by the reply reader
    int TextSentPending = 0;  // an OSD text awaits the device's confirmation
    // shown by the reply reader, aged by the link supervision, ended by the OSD transfer
    NoReplyNotice NoReply;
};

struct DisplayChoice {
    // written by the display options; read by the SAVE and BLANK buttons
    std::string LocationCode;
    // written by the display options; read by the SAVE and BLANK buttons
    std::string ColorCode;
    // written by the display options; read by the OSD transfer
    int TextAlignment = 0;  // 0 left, 1 right, 2 centre
};

// All of them, as the main window model holds them.
struct WindowState : StartUpFlags, PortSelection, LinkFlags, TransferFlags, DisplayChoice {};

}  // namespace vq72
