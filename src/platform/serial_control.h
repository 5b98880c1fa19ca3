// SPDX-License-Identifier: MIT
// The serial control MSComm1: one port, configured by properties, raising events on the
// program's event thread. Every call may throw Failure; opening throws failure_number::kNoSuchPort
// or failure_number::kPortInUse, or another non-zero number with the platform's text. A network
// port is never waited for long: while it is still connecting, opening throws
// failure_number::kPortOpening, and comm_event::kOpenSettled follows once it has connected or
// failed (within the control's bound on connecting).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vq72 {

// Event codes of CommEvent.
namespace comm_event {
inline constexpr int kSend = 1;     // transmit buffer fell below its threshold
inline constexpr int kReceive = 2;  // at least RThreshold bytes wait
inline constexpr int kCtsChange = 3;
inline constexpr int kDsrChange = 4;
inline constexpr int kCdChange = 5;
inline constexpr int kRing = 6;
inline constexpr int kEof = 7;
inline constexpr int kBreak = 1001;
inline constexpr int kCtsTimeout = 1002;
inline constexpr int kDsrTimeout = 1003;
inline constexpr int kFrame = 1004;
inline constexpr int kOverrun = 1006;
inline constexpr int kCdTimeout = 1007;
inline constexpr int kRxOver = 1008;
inline constexpr int kRxParity = 1009;
inline constexpr int kTxFull = 1010;
inline constexpr int kDcb = 1011;
// Outside the control's table: the device vanished while open; the control has closed the port.
inline constexpr int kPortLost = 9999;
// Outside the control's table: the ports whose open (or scan) was put off while they connected
// have connected or failed; the open (or the scan) is to be tried again now.
inline constexpr int kOpenSettled = 9998;
}  // namespace comm_event

// Which buffers a purge discards.
enum class PurgeScope { ReceiveOnly, Both };

class SerialControl {
public:
    virtual ~SerialControl() = default;

    virtual void setCommPort(int port) = 0;  // takes effect at the next open
    virtual int commPort() const = 0;
    virtual void setSettings(const std::string& settings) = 0;  // "9600,N,8,1"
    virtual void setHandshaking(int mode) = 0;                  // 0 = none
    virtual void setDTREnable(bool on) = 0;
    virtual bool dtrEnable() const = 0;
    virtual void setRTSEnable(bool on) = 0;
    virtual bool rtsEnable() const = 0;
    virtual void setInputLen(int bytes) = 0;
    virtual void setOutBufferSize(int bytes) = 0;
    virtual void setRThreshold(int bytes) = 0;

    // True opens the port on commPort(), False closes it (closing a closed port is harmless).
    virtual void setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;

    // Received bytes not yet read, clamped to 0..32767.
    virtual int inBufferCount() const = 0;
    // Takes up to InputLen waiting bytes out of the receive buffer, as received (the binary input
    // mode, the only one).
    virtual std::string input() = 0;
    // Hands every byte to the operating system, in order, before it returns. Bytes that would
    // pass OutBufferSize are not written: it throws failure_number::kTransmitBufferFull and
    // raises comm_event::kTxFull.
    virtual void output(const std::string& bytes) = 0;

    virtual int commEvent() const = 0;
    // Called on the event thread, once per event, with commEvent() readable meanwhile.
    virtual void setEventHandler(std::function<void()> handler) = 0;

    // Discards waiting bytes (and aborts output not yet sent when the scope is Both).
    virtual void purge(PurgeScope scope) = 0;

    // A port scan opens the given ports one after another and closes each again. A control may
    // prepare them all at once (network ports connect side by side). False when some are still
    // connecting: comm_event::kOpenSettled follows once they have connected or failed, and the
    // scan is to begin again then.
    virtual bool beginPortScan(const std::vector<int>& /*ports*/) { return true; }

    // The device behind a port number, for tool tips and messages; empty when none.
    virtual std::string devicePath(int port) const = 0;
};

}  // namespace vq72
