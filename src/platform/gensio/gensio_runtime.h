// The process's gensio event handling: one set of gensio OS functions and one thread that runs
// gensio's events (connections, telnet negotiation, received bytes) from first use to exit.
#pragma once

struct gensio_os_funcs;

namespace vq72::network {

// Starts gensio on first use; throws Failure when it cannot start.
gensio_os_funcs* gensioOsFuncs();

}  // namespace vq72::network
