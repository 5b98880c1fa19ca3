// SPDX-License-Identifier: MIT
// Running out of memory, wherever it happens in a run of vq72-osd-send, ends the run with the
// sender's own words and exit status (kExitOutOfMemory): also inside Qt, whose code is not
// exception safe and whose noexcept functions would turn std::bad_alloc into an abort.
#pragma once

namespace vq72::send {

// Says that memory ran out, without needing any.
void sayOutOfMemory();

// From now on a failed operator new, and a std::bad_alloc that nothing catches, say so and end
// the process at once (no destructors run: the system closes the port; a lock file left behind
// names a process that is gone, which the next open takes as stale).
void endRunsOutOfMemory();

}  // namespace vq72::send
