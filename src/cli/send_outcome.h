// SPDX-License-Identifier: MIT
// How a run of vq72-osd-send ends: its exit status and the words it prints.
#pragma once

#include <string>

#include "cli/send_target.h"
#include "platform/failure.h"

namespace vq72::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitNoReply = 1;       // written, but not acknowledged in time
inline constexpr int kExitPortUnusable = 2;  // the port could not be opened or written
inline constexpr int kExitUsage = 64;        // bad arguments, a bad batch line (EX_USAGE)
inline constexpr int kExitNoInput = 66;      // the batch file cannot be read or passes a bound
inline constexpr int kExitOutOfMemory = 71;  // the run ran out of memory (EX_OSERR)
inline constexpr int kExitSignalBase = 128;  // ended by a signal: 128 + its number

inline constexpr const char* kDoneText = "Done";
// A constant, so that saying it needs no memory.
inline constexpr const char* kOutOfMemoryText =
    "vq72-osd-send: out of memory: the run stopped (free some memory and run it again)";

// How one send ended: the exit status it stands for (kExitDone, kExitNoReply,
// kExitPortUnusable, or kExitSignalBase + the signal) and the sender's words for it: "Done", or
// why not.
struct SendResult {
    int status = kExitDone;
    std::string message;
};

// "No reply from the device on <port> within N s".
std::string noReplyMessage(const SendTarget& target, const std::string& timeoutText);

// "Lost <port> before the device replied".
std::string portLostMessage(const SendTarget& target);

// Why the port could not be used: for a port number the program's own message (8002, 8005)
// followed by the platform's detail on a second line; otherwise the failure's own text, which
// names the path (and, for a permission problem, the dialout group, for a port in use the
// holder or the lock path). Paths and the platform's text are shown with printable().
std::string unusablePortMessage(const SendTarget& target, const Failure& failure);

}  // namespace vq72::cli
