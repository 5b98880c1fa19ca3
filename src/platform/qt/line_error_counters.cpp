#include "platform/qt/line_error_counters.h"

#include "platform/serial_control.h"

#if defined(__linux__)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace vq72 {

std::optional<LineErrorCounts> readLineErrorCounts([[maybe_unused]] int fd) {
#if defined(__linux__) && defined(TIOCGICOUNT)
    serial_icounter_struct counts{};
    if (fd < 0 || ::ioctl(fd, TIOCGICOUNT, &counts) != 0) return std::nullopt;
    return LineErrorCounts{counts.brk, counts.frame, counts.overrun + counts.buf_overrun,
                           counts.parity};
#else
    return std::nullopt;
#endif
}

std::vector<int> lineErrorEvents(const LineErrorCounts& before, const LineErrorCounts& after) {
    std::vector<int> events;
    if (after.breaks > before.breaks) events.push_back(comm_event::kBreak);
    if (after.framing > before.framing) events.push_back(comm_event::kFrame);
    if (after.overruns > before.overruns) events.push_back(comm_event::kOverrun);
    if (after.parity > before.parity) events.push_back(comm_event::kRxParity);
    return events;
}

}  // namespace vq72
