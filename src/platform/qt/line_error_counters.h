// Line errors of a real serial port (break, framing, overrun, parity), read from the counters
// the Linux serial driver keeps (TIOCGICOUNT); QSerialPort reports none of them. A
// pseudo-terminal or another platform has no counters.
#pragma once

#include <optional>
#include <vector>

namespace vq72 {

struct LineErrorCounts {
    long breaks = 0;
    long framing = 0;
    long overruns = 0;
    long parity = 0;
};

// Nothing when the descriptor has no counters.
std::optional<LineErrorCounts> readLineErrorCounts(int fd);

// The serial control's event codes for the errors counted between two readings, one code per
// kind that grew: break (1001), framing (1004), overrun (1006), parity (1009), in that order.
std::vector<int> lineErrorEvents(const LineErrorCounts& before, const LineErrorCounts& after);

}  // namespace vq72
