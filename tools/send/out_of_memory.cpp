// SPDX-License-Identifier: MIT
#include "out_of_memory.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "cli/send_outcome.h"

namespace vq72::send {
namespace {

std::terminate_handler previousTerminate = nullptr;

[[noreturn]] void endOutOfMemory() {
    sayOutOfMemory();
    std::_Exit(cli::kExitOutOfMemory);
}

[[noreturn]] void endUncaught() {
    if (const std::exception_ptr uncaught = std::current_exception()) {
        try {
            std::rethrow_exception(uncaught);
        } catch (const std::bad_alloc&) {
            endOutOfMemory();
        } catch (...) {
            // Anything else ends as it would have.
        }
    }
    previousTerminate();
    std::abort();
}

}  // namespace

void sayOutOfMemory() {
    std::fputs(cli::kOutOfMemoryText, stderr);
    std::fputs("\n", stderr);
}

void endRunsOutOfMemory() {
    std::set_new_handler(endOutOfMemory);
    previousTerminate = std::set_terminate(endUncaught);
}

}  // namespace vq72::send
