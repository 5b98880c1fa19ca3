// SIGTERM, SIGINT and SIGHUP turned into a readable byte (the signal's number) on a pipe, so
// that the event loop, not the signal handler, ends the run: port closed, lock file removed.
#pragma once

namespace vq72::send {

// Installs the handlers once; returns the pipe's reading end (non-blocking), -1 on failure.
int watchEndSignals();

// The signal number waiting on the pipe, 0 when none.
int takeEndSignal(int fd);

}  // namespace vq72::send
