// SPDX-License-Identifier: MIT
#include "platform/network/name_lookup.h"

#include <gensio/gensio.h>

#include <mutex>
#include <vector>

namespace vq72::network {

// The lookups under way, for the whole process: one timer on gensio's event thread asks glibc
// about each every kPollMs until it has answered.
class Lookups {
public:
    explicit Lookups(gensio_os_funcs* os)
        : os_(os), timer_(gensio_os_funcs_alloc_timer(os, &Lookups::tick, this)) {}

    void add(std::shared_ptr<NameLookup> lookup) {
        std::lock_guard<std::mutex> held(lock_);
        underWay_.push_back(std::move(lookup));
        if (!ticking_) ticking_ = startTimer();
    }

private:
    static constexpr int kPollMs = 5;

    bool startTimer() {
        gensio_time wait = {0, kPollMs * 1000000};
        return timer_ != nullptr && gensio_os_funcs_start_timer(os_, timer_, &wait) == 0;
    }

    static void tick(gensio_timer* /*timer*/, void* data) {
        static_cast<Lookups*>(data)->collect();
    }

    void collect() {
        std::vector<std::shared_ptr<NameLookup>> answered;
        {
            std::lock_guard<std::mutex> held(lock_);
            std::vector<std::shared_ptr<NameLookup>> still;
            for (auto& lookup : underWay_) {
                const bool done =
                    lookup->startError_ != 0 || gai_error(&lookup->request_) != EAI_INPROGRESS;
                (done ? answered : still).push_back(std::move(lookup));
            }
            underWay_ = std::move(still);
            ticking_ = !underWay_.empty() && startTimer();
        }
        for (const auto& lookup : answered) {
            const int error =
                lookup->startError_ != 0 ? lookup->startError_ : gai_error(&lookup->request_);
            NameLookup::Done done = std::move(lookup->done_);
            if (!lookup->cancelled_ && done)
                done(error == 0 ? lookup->request_.ar_result : nullptr, error);
            if (lookup->request_.ar_result != nullptr) freeaddrinfo(lookup->request_.ar_result);
            lookup->request_.ar_result = nullptr;
        }
    }

    gensio_os_funcs* os_;
    gensio_timer* timer_;
    std::mutex lock_;
    std::vector<std::shared_ptr<NameLookup>> underWay_;
    bool ticking_ = false;
};

namespace {

Lookups& lookups(gensio_os_funcs* os) {
    // Never destroyed: glibc may still write into a lookup it works on while the program ends.
    static Lookups* const all = new Lookups(os);
    return *all;
}

}  // namespace

NameLookup::NameLookup(const std::string& host, int port, Done done)
    : host_(host), service_(std::to_string(port)), done_(std::move(done)) {
    hints_.ai_family = AF_UNSPEC;
    hints_.ai_socktype = SOCK_STREAM;
    hints_.ai_flags = AI_NUMERICSERV;
    request_.ar_name = host_.c_str();
    request_.ar_service = service_.c_str();
    request_.ar_request = &hints_;
}

std::shared_ptr<NameLookup> NameLookup::start(gensio_os_funcs* os, const std::string& host,
                                              int port, Done done) {
    auto lookup = std::make_shared<NameLookup>(host, port, std::move(done));
    gaicb* list[] = {&lookup->request_};
    sigevent noSignal{};
    noSignal.sigev_notify = SIGEV_NONE;
    lookup->startError_ = getaddrinfo_a(GAI_NOWAIT, list, 1, &noSignal);
    lookups(os).add(lookup);
    return lookup;
}

void NameLookup::cancel() {
    cancelled_ = true;
    if (startError_ == 0) gai_cancel(&request_);
}

}  // namespace vq72::network
