// SPDX-License-Identifier: MIT
// Host names looked up without a thread of ours and without waiting: glibc's getaddrinfo_a looks
// the name up, and a timer on gensio's event thread collects its answer. A lookup can be
// cancelled at any time: its answer is then dropped. What glibc still works on when the program
// ends is left to it.
#pragma once

#include <netdb.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

struct gensio_os_funcs;

namespace vq72::network {

class NameLookup {
public:
    // Called on gensio's event thread with the addresses (error 0), or with getaddrinfo's error
    // (EAI_...) and none; the addresses are gone after it returns.
    using Done = std::function<void(const addrinfo* addresses, int error)>;

    // Looks `host` up for TCP port `port`.
    static std::shared_ptr<NameLookup> start(gensio_os_funcs* os, const std::string& host, int port,
                                             Done done);
    // The answer, if still to come, is dropped; returns at once.
    void cancel();

    NameLookup(const std::string& host, int port, Done done);
    NameLookup(const NameLookup&) = delete;
    NameLookup& operator=(const NameLookup&) = delete;

private:
    friend class Lookups;

    std::string host_;
    std::string service_;
    addrinfo hints_{};
    gaicb request_{};
    int startError_ = 0;  // getaddrinfo_a's refusal to start, reported as the answer
    Done done_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace vq72::network
