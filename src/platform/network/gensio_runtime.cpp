// SPDX-License-Identifier: MIT
#include "platform/network/gensio_runtime.h"

#include <gensio/gensio.h>

#include <system_error>
#include <thread>

#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72::network {
namespace {

// Constant-initialized: it outlives the event thread, which the runtime stops at exit.
std::mutex loadLock;

class GensioRuntime {
public:
    GensioRuntime() {
        // gensio wakes its event thread with a signal of its own (SIGUSR1); setting up the
        // process blocks it on this thread, so the event thread started next inherits the block
        // and gets it only while it waits.
        int error = gensio_default_os_hnd(GENSIO_DEF_WAKE_SIG, &os_);
        if (error == 0) error = gensio_os_proc_setup(os_, &process_);
        if (error == 0) {
            stop_ = gensio_os_funcs_alloc_waiter(os_);
            if (stop_ == nullptr) error = GE_NOMEM;
        }
        if (error != 0) {
            error_ = std::string("Network serial ports cannot be used: gensio does not start (") +
                     gensio_err_to_str(error) + ").";
            return;
        }
        try {
            events_ = std::thread([this] { gensio_os_funcs_wait(os_, stop_, 1, nullptr); });
        } catch (const std::system_error& e) {
            error_ = "Network serial ports cannot be used: gensio's thread does not start (" +
                     std::string(e.what()) + ").";
        }
    }

    ~GensioRuntime() {
        if (!events_.joinable()) return;
        gensio_os_funcs_wake(os_, stop_);
        events_.join();
        // The OS functions stay: connections still closing at exit may use them.
    }

    gensio_os_funcs* os() const {
        if (!error_.empty()) throw Failure(failure_number::kSystemErrorBase, error_);
        return os_;
    }

private:
    gensio_os_funcs* os_ = nullptr;
    gensio_os_proc_data* process_ = nullptr;
    gensio_waiter* stop_ = nullptr;
    std::string error_;
    std::thread events_;
};

}  // namespace

gensio_os_funcs* gensioOsFuncs() {
    static GensioRuntime runtime;
    return runtime.os();
}

std::mutex& gensioLoadLock() {
    return loadLock;
}

}  // namespace vq72::network
