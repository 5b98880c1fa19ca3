// SPDX-License-Identifier: MIT
#include "sim/simulated_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <system_error>

#include "sim/frame_parser.h"
#include "sim/host_presence.h"
#include "sim/pty_port.h"
#include "sim/replies.h"

namespace vq72::sim {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

// 9600 baud, 8N1: ten bit times a byte.
constexpr nanoseconds kByteTime{10'000'000'000 / 9600};

// When the line can carry the byte after one that went at `now`, due at `due`: bytes in a row
// follow each other at the line's rate, however late the thread woke for each of them.
Clock::time_point nextByteTime(Clock::time_point due, Clock::time_point now) {
    return (now - due < kByteTime ? due : now) + kByteTime;
}
// Noise keeps this far from any reply, before and after it.
constexpr milliseconds kNoiseClearance{200};
// A notice follows its reply after this pause, so that the host takes it as a batch of its own.
constexpr milliseconds kNoticePause{150};
constexpr milliseconds kFewestMsBetweenNoise{300};
constexpr milliseconds kMostMsBetweenNoise{1500};
// A host that closed the port and stayed away this long has abandoned its unfinished frame.
constexpr milliseconds kAbandonedFrameTime{100};
// The longest the thread sleeps without a reason to wake.
constexpr milliseconds kIdleWake{20};

enum class BurstKind { Reply, Notice, Noise, Raw };

struct Burst {
    Clock::time_point at;
    std::string bytes;
    BurstKind kind;
};

bool isAnswer(BurstKind kind) {
    return kind == BurstKind::Reply || kind == BurstKind::Raw;
}

}  // namespace

// The device's thread: the port, the parser and the output queue, touched by this thread only.
class SimulatedDevice::Engine {
public:
    explicit Engine(SimulatedDevice& device)
        : d_(device),
          o_(device.options_),
          random_(o_.noiseSeed != 0 ? o_.noiseSeed : std::random_device()()),
          notices_(o_.notices.begin(), o_.notices.end()) {}

    void openPort() {
        port_.open(o_.linkPath);
        host_.watch(port_.slavePath(), port_.slave());
        vanishAt_ = o_.vanishAfter > 0 ? frames_ + o_.vanishAfter : 0;
        {
            std::lock_guard lock(d_.mutex_);
            d_.portPath_ = port_.slavePath();
            d_.slaveFd_ = port_.slave();
        }
        ++d_.changes_;
    }

    void run() {
        scheduleNoise(Clock::now());
        while (!d_.stopping_.load()) {
            if (d_.faultsChanged_.exchange(false)) takeNewFaults();
            if (port_.isOpen()) {
                serve();
            } else {
                waitForReturn();
            }
        }
        closePort();
    }

private:
    void serve() {
        const Clock::time_point now = Clock::now();
        sleepUntil(nextWake(now));
        host_.update();
        takeTransmitRequests();
        receive();
        send();
        if (o_.garbage) makeNoise();
        endAbandonedFrame();
        if (vanishAt_ > 0 && frames_ >= vanishAt_ && outbox_.empty()) vanish();
    }

    Clock::time_point nextWake(Clock::time_point now) const {
        Clock::time_point wake = now + kIdleWake;
        if (!outbox_.empty())
            wake = std::min(wake, std::max(dueTime(outbox_.front()), nextWriteAt_));
        if (o_.garbage) wake = std::min(wake, nextNoiseAt_);
        return wake;
    }

    // Sleeps until `until`, or until the host writes (when a byte may be read now), the host
    // opens or closes the port, or a caller wakes the thread.
    void sleepUntil(Clock::time_point until) {
        const Clock::time_point now = Clock::now();
        const bool mayRead = !o_.pace || now >= nextReadAt_;
        if (o_.pace && !mayRead) until = std::min(until, nextReadAt_);
        std::array<pollfd, 3> fds = {pollfd{d_.wake_[0], POLLIN, 0},
                                     pollfd{mayRead ? port_.master() : -1, POLLIN, 0},
                                     pollfd{host_.fd(), POLLIN, 0}};
        const auto wait = std::max(nanoseconds(0), until - now);
        const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                               static_cast<long>(wait.count() % 1'000'000'000)};
        ::ppoll(fds.data(), fds.size(), &timeout, nullptr);
        if (fds[0].revents & POLLIN) {
            std::array<char, 64> drain{};
            while (::read(d_.wake_[0], drain.data(), drain.size()) > 0) {
            }
        }
    }

    void takeNewFaults() {
        std::optional<Options> faults;
        {
            std::lock_guard lock(d_.mutex_);
            faults.swap(d_.newFaults_);
        }
        if (!faults) return;
        faults->linkPath = o_.linkPath;
        faults->logPath = o_.logPath;
        faults->noiseSeed = o_.noiseSeed;
        notices_.insert(notices_.end(), faults->notices.begin(), faults->notices.end());
        o_ = std::move(*faults);
        vanishAt_ = o_.vanishAfter > 0 ? frames_ + o_.vanishAfter : 0;
    }

    void takeTransmitRequests() {
        std::vector<std::string> requests;
        {
            std::lock_guard lock(d_.mutex_);
            requests.swap(d_.toTransmit_);
        }
        // transmit() counted them as pending already.
        for (auto& bytes : requests)
            outbox_.push_back({Clock::now(), std::move(bytes), BurstKind::Raw});
    }

    void receive() {
        std::array<char, 256> buffer{};
        for (;;) {
            const Clock::time_point now = Clock::now();
            if (o_.pace && now < nextReadAt_) return;
            const std::size_t want = o_.pace ? 1 : buffer.size();
            const ssize_t got = ::read(port_.master(), buffer.data(), want);
            if (got <= 0) return;
            if (o_.pace) nextReadAt_ = nextByteTime(nextReadAt_, now);
            for (ssize_t i = 0; i < got; ++i) accept(buffer[static_cast<std::size_t>(i)]);
        }
    }

    // Bytes the host wrote before the port closes have reached the device, paced or not.
    void takeWhatArrived() {
        std::array<char, 256> buffer{};
        ssize_t got = 0;
        while ((got = ::read(port_.master(), buffer.data(), buffer.size())) > 0) {
            for (ssize_t i = 0; i < got; ++i) accept(buffer[static_cast<std::size_t>(i)]);
        }
    }

    void accept(char byte) {
        // Faults changed before this byte was sent apply to it.
        if (d_.faultsChanged_.exchange(false)) takeNewFaults();
        if (o_.banner && !bannerSent_) {
            bannerSent_ = true;
            queue({Clock::now(), kBanner, BurstKind::Raw});
        }
        for (const Frame& frame : parser_.feed(byte)) handle(frame);
    }

    // The answer is queued before the frame is logged: whoever sees the frame in the log also
    // sees the answer pending.
    void handle(const Frame& frame) {
        ++frames_;
        if (frame.kind == FrameKind::Osd) {
            {
                std::lock_guard lock(d_.mutex_);
                d_.screen_.apply(frame.osd);
            }
            ++d_.changes_;
        }
        const bool answered =
            frame.kind == FrameKind::Cts || (frame.kind == FrameKind::Osd && !o_.ignoreText);
        if (answered && !o_.silent) {
            const Clock::time_point replyAt = Clock::now() + o_.replyDelay;
            queue({replyAt, o_.shortReply ? kShortReply : kReply, BurstKind::Reply});
            if (!notices_.empty()) {
                queue({replyAt + kNoticePause, notices_.front() + "\r\n", BurstKind::Notice});
                notices_.pop_front();
            }
        }
        if (o_.logLineSettings) logLineSettings();
        d_.log_.add(frame);
    }

    void logLineSettings() {
        const std::string settings = port_.lineSettings();
        if (settings == loggedLineSettings_) return;
        loggedLineSettings_ = settings;
        d_.log_.addLine("LINE " + settings);
    }

    void queue(Burst burst) {
        if (isAnswer(burst.kind)) ++d_.pendingAnswers_;
        outbox_.push_back(std::move(burst));
    }

    void sent(const Burst& burst) {
        if (isAnswer(burst.kind)) --d_.pendingAnswers_;
    }

    // Replies keep their distance from noise already sent.
    Clock::time_point dueTime(const Burst& burst) const {
        if (burst.kind == BurstKind::Noise) return burst.at;
        return std::max(burst.at, lastNoiseEnd_ + kNoiseClearance);
    }

    void send() {
        while (!outbox_.empty()) {
            const Clock::time_point now = Clock::now();
            Burst& burst = outbox_.front();
            if (now < dueTime(burst) || now < nextWriteAt_) return;
            const std::size_t count = o_.pace ? 1 : burst.bytes.size();
            const ssize_t written = ::write(port_.master(), burst.bytes.data(), count);
            if (written <= 0) return;  // the host's receive queue is full: try again later
            d_.sentBytes_ += static_cast<unsigned long>(written);
            if (o_.pace) nextWriteAt_ = nextByteTime(nextWriteAt_, now);
            burst.bytes.erase(0, static_cast<std::size_t>(written));
            if (!burst.bytes.empty()) continue;
            if (burst.kind == BurstKind::Noise) {
                lastNoiseEnd_ = Clock::now();
            } else {
                lastReplyEnd_ = Clock::now();
            }
            sent(burst);
            outbox_.pop_front();
        }
    }

    void scheduleNoise(Clock::time_point now) {
        std::uniform_int_distribution<long> pause(kFewestMsBetweenNoise.count(),
                                                  kMostMsBetweenNoise.count());
        nextNoiseAt_ = now + milliseconds(pause(random_));
    }

    // Noise only between exchanges: nothing queued, no frame arriving, the last reply well past.
    void makeNoise() {
        const Clock::time_point now = Clock::now();
        if (now < nextNoiseAt_) return;
        scheduleNoise(now);
        const bool quiet = outbox_.empty() && !parser_.busy() && hostPresent() &&
                           now - lastReplyEnd_ >= kNoiseClearance;
        if (quiet) queue({now, noiseBurst(random_), BurstKind::Noise});
    }

    bool hostPresent() const { return host_.fd() < 0 || host_.held(); }

    void endAbandonedFrame() {
        if (!parser_.busy() || host_.fd() < 0 || !host_.leftFor(kAbandonedFrameTime)) return;
        takeWhatArrived();
        if (auto frame = parser_.cut()) d_.log_.add(*frame);
    }

    void vanish() {
        closePort();
        ++d_.vanishes_;
        if (o_.returnAfter) returnAt_ = Clock::now() + *o_.returnAfter;
    }

    void closePort() {
        if (port_.isOpen()) takeWhatArrived();
        if (auto frame = parser_.cut()) d_.log_.add(*frame);
        for (const Burst& burst : outbox_) sent(burst);
        outbox_.clear();
        host_.stop();
        const bool wasOpen = port_.isOpen();
        {
            std::lock_guard lock(d_.mutex_);
            d_.slaveFd_ = -1;
        }
        port_.close();
        if (!wasOpen) return;
        {
            std::lock_guard lock(d_.mutex_);
            d_.portPath_.clear();
        }
        ++d_.changes_;
    }

    void waitForReturn() {
        const Clock::time_point now = Clock::now();
        if (returnAt_ && now >= *returnAt_) {
            returnAt_.reset();
            openPort();
            return;
        }
        const Clock::time_point until =
            returnAt_ ? std::min(*returnAt_, now + kIdleWake * 5) : now + kIdleWake * 5;
        sleepUntil(until);
    }

    SimulatedDevice& d_;
    Options o_;  // the device's options, as last changed by setFaults
    PtyPort port_;
    HostPresence host_;
    FrameParser parser_;
    std::deque<Burst> outbox_;
    std::mt19937 random_;
    std::deque<std::string> notices_;
    bool bannerSent_ = false;
    std::string loggedLineSettings_;
    long frames_ = 0;
    long vanishAt_ = 0;  // frame count at which the port vanishes; 0: never
    std::optional<Clock::time_point> returnAt_;
    Clock::time_point nextReadAt_{};
    Clock::time_point nextWriteAt_{};
    Clock::time_point nextNoiseAt_{};
    Clock::time_point lastNoiseEnd_{};
    Clock::time_point lastReplyEnd_{};
};

SimulatedDevice::SimulatedDevice(Options options)
    : options_(std::move(options)), log_(options_.logPath) {}

SimulatedDevice::~SimulatedDevice() {
    stop();
}

void SimulatedDevice::start() {
    if (thread_.joinable()) return;
    if (::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    auto engine = std::make_shared<Engine>(*this);
    try {
        engine->openPort();
    } catch (...) {
        ::close(wake_[0]);
        ::close(wake_[1]);
        wake_[0] = wake_[1] = -1;
        throw;
    }
    stopping_ = false;
    thread_ = std::thread([engine] { engine->run(); });
}

void SimulatedDevice::stop() {
    if (!thread_.joinable()) return;
    stopping_ = true;
    [[maybe_unused]] const ssize_t woken = ::write(wake_[1], "x", 1);
    thread_.join();
    ::close(wake_[0]);
    ::close(wake_[1]);
    wake_[0] = wake_[1] = -1;
}

std::string SimulatedDevice::portPath() const {
    std::lock_guard lock(mutex_);
    return portPath_;
}

Screen SimulatedDevice::screen() const {
    std::lock_guard lock(mutex_);
    return screen_;
}

void SimulatedDevice::transmit(const std::string& bytes) {
    {
        std::lock_guard lock(mutex_);
        toTransmit_.push_back(bytes);
        ++pendingAnswers_;
    }
    [[maybe_unused]] const ssize_t woken = ::write(wake_[1], "x", 1);
}

int SimulatedDevice::unreadByHost() const {
    std::lock_guard lock(mutex_);
    int unread = 0;
    if (slaveFd_ < 0 || ::ioctl(slaveFd_, FIONREAD, &unread) != 0) return 0;
    return unread;
}

void SimulatedDevice::setFaults(Options options) {
    {
        std::lock_guard lock(mutex_);
        newFaults_ = std::move(options);
    }
    faultsChanged_ = true;
    if (wake_[1] >= 0) {
        [[maybe_unused]] const ssize_t woken = ::write(wake_[1], "x", 1);
    }
}

}  // namespace vq72::sim
