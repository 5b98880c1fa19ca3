// SPDX-License-Identifier: MIT
// The process's gensio event handling: one set of gensio OS functions and one thread that runs
// gensio's events (connections, telnet negotiation, received bytes) from first use to exit.
#pragma once

#include <mutex>

struct gensio_os_funcs;

namespace vq72::network {

// Starts gensio on first use; throws Failure when it cannot start.
gensio_os_funcs* gensioOsFuncs();

// gensio loads the library of a kind of gensio (tcp, telnet) the first time one is made, and
// that loading is not safe from several threads at once: every call that makes a gensio holds
// this lock.
std::mutex& gensioLoadLock();

}  // namespace vq72::network
