#include "platform/gensio/gensio_connection.h"

#include <arpa/inet.h>
#include <gensio/gensio.h>
#include <gensio/sergensio.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/gensio/gensio_runtime.h"

namespace vq72::network {
namespace {

constexpr long kConnectionRefused = failure_number::kSystemErrorBase + ECONNREFUSED;
constexpr long kNoAnswer = failure_number::kSystemErrorBase + ETIMEDOUT;
constexpr long kConnectionFailed = failure_number::kSystemErrorBase + EHOSTUNREACH;
constexpr long kConnectionLost = failure_number::kSystemErrorBase + ECONNRESET;

std::string gensioAddress(const NetworkPort& server) {
    const std::string tcp = "tcp," + server.host + "," + std::to_string(server.port);
    return server.protocol == NetworkPort::Protocol::Rfc2217 ? "telnet(rfc2217)," + tcp : tcp;
}

// A numeric IPv4 or IPv6 address, which needs no lookup.
bool isAddress(const std::string& host) {
    in6_addr buffer{};
    return ::inet_pton(AF_INET, host.c_str(), &buffer) == 1 ||
           ::inet_pton(AF_INET6, host.c_str(), &buffer) == 1;
}

std::string schemeOf(const NetworkPort& server) {
    return server.protocol == NetworkPort::Protocol::Rfc2217 ? "rfc2217://" : "tcp://";
}

unsigned int sergensioParity(LineSettings::Parity parity) {
    switch (parity) {
        case LineSettings::Parity::Even:
            return SERGENSIO_PARITY_EVEN;
        case LineSettings::Parity::Odd:
            return SERGENSIO_PARITY_ODD;
        case LineSettings::Parity::Mark:
            return SERGENSIO_PARITY_MARK;
        case LineSettings::Parity::Space:
            return SERGENSIO_PARITY_SPACE;
        case LineSettings::Parity::None:
            break;
    }
    return SERGENSIO_PARITY_NONE;
}

// Handshaking: 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both (RTS/CTS wins, as on a local port).
unsigned int sergensioFlowControl(int handshaking) {
    if (handshaking == 1) return SERGENSIO_FLOWCONTROL_XON_XOFF;
    if (handshaking >= 2) return SERGENSIO_FLOWCONTROL_RTS_CTS;
    return SERGENSIO_FLOWCONTROL_NONE;
}

}  // namespace

// What gensio's thread and the owner share. gensio holds a reference until it is freed, so a
// callback never outlives the state it writes. gensio is never called with `lock` held, except
// from gensio's own callbacks, which it runs without its own locks.
struct GensioConnection::State {
    enum class Phase { Connecting, Open, Failed, Lost, Closing };

    std::mutex lock;
    std::condition_variable changed;
    Phase phase = Phase::Connecting;
    bool openDone = false;
    bool closeIssued = false;
    int error = 0;  // gensio's, when Failed or Lost
    std::string received;
    bool reading = false;     // gensio hands over bytes; off while the receive buffer is full
    unsigned writeReady = 0;  // count of gensio's calls for more bytes
    gensio* io = nullptr;
    std::mutex notifying;  // held while onChange runs, so that the owner can stop it for good
    std::function<void()> onChange;
    std::shared_ptr<State> keepAlive;  // set while gensio may still call back

    void notify(std::unique_lock<std::mutex>& held) {
        held.unlock();
        std::lock_guard<std::mutex> calling(notifying);
        if (onChange) onChange();
    }

    void release() {
        gensio_free(io);
        std::shared_ptr<State> last;
        std::lock_guard<std::mutex> held(lock);
        last = std::move(keepAlive);
    }

    // Closes gensio once the owner has gone; the reference goes when the close is done.
    // Returns false when gensio cannot close it yet (still connecting).
    bool startClose() {
        {
            std::lock_guard<std::mutex> held(lock);
            closeIssued = true;
        }
        if (gensio_close(io, &State::closed, this) == 0) return true;
        std::lock_guard<std::mutex> held(lock);
        closeIssued = false;
        return false;
    }

    // After the owner has gone and the open has ended, one way or the other.
    void endAfterOpen(int openError) {
        if (openError != 0 || !startClose()) release();
    }

    static void closed(gensio* /*io*/, void* data) { static_cast<State*>(data)->release(); }

    // Makes the gensio and starts its open; a failure ends the connection as Failed.
    static void start(State& state, gensio_os_funcs* os, const std::string& address) {
        gensio* io = nullptr;
        const int error = str_to_gensio(address.c_str(), os, &State::event, &state, &io);
        std::unique_lock<std::mutex> held(state.lock);
        if (error != 0) {
            const bool closing = state.phase == Phase::Closing;
            if (!closing) state.phase = Phase::Failed;
            state.error = error;
            state.openDone = true;
            state.changed.notify_all();
            auto last = std::move(state.keepAlive);
            held.unlock();
            return;
        }
        state.io = io;
        held.unlock();
        const int openError = gensio_open(io, &State::opened, &state);
        if (openError != 0) opened(io, openError, &state);
    }

    static void opened(gensio* /*io*/, int error, void* data) {
        auto* state = static_cast<State*>(data);
        std::unique_lock<std::mutex> held(state->lock);
        state->openDone = true;
        state->error = error;
        if (state->phase == Phase::Closing) {
            const bool closing = state->closeIssued;
            held.unlock();
            if (!closing) state->endAfterOpen(error);
            return;
        }
        state->phase = error == 0 ? Phase::Open : Phase::Failed;
        state->reading = error == 0;
        if (error == 0) gensio_set_read_callback_enable(state->io, true);
        state->changed.notify_all();
    }

    static int event(gensio* io, void* data, int event, int error, unsigned char* buffer,
                     gensiods* length, const char* const* /*aux*/) {
        auto* state = static_cast<State*>(data);
        std::unique_lock<std::mutex> held(state->lock);
        if (event == GENSIO_EVENT_WRITE_READY) {
            gensio_set_write_callback_enable(io, false);
            ++state->writeReady;
            state->changed.notify_all();
            return 0;
        }
        if (event != GENSIO_EVENT_READ) return GE_NOTSUP;
        if (state->phase != Phase::Open) {
            *length = 0;
            gensio_set_read_callback_enable(io, false);
            return 0;
        }
        if (error != 0) {
            state->phase = Phase::Lost;
            state->error = error;
            gensio_set_read_callback_enable(io, false);
            state->changed.notify_all();
            state->notify(held);
            return 0;
        }
        const std::size_t room = kReceiveLimit - state->received.size();
        const std::size_t taken = std::min<std::size_t>(room, *length);
        state->received.append(reinterpret_cast<const char*>(buffer), taken);
        *length = taken;
        if (state->received.size() >= kReceiveLimit) {
            state->reading = false;
            gensio_set_read_callback_enable(io, false);
        }
        state->notify(held);
        return 0;
    }
};

GensioConnection::GensioConnection(const NetworkPort& server, std::function<void()> onChange)
    : server_(server), state_(std::make_shared<State>()) {
    state_->onChange = std::move(onChange);
    gensio_os_funcs* os = gensioOsFuncs();
    state_->keepAlive = state_;
    std::string address = gensioAddress(server);
    if (isAddress(server.host)) {
        State::start(*state_, os, address);
    } else {
        // gensio looks a name up before it connects, and a slow name server would hold the
        // caller as long: the lookup runs on a thread of its own, within the same deadline.
        std::thread([state = state_, os, address = std::move(address)] {
            State::start(*state, os, address);
        }).detach();
    }
}

GensioConnection::~GensioConnection() {
    {
        std::lock_guard<std::mutex> calling(state_->notifying);
        state_->onChange = nullptr;
    }
    std::unique_lock<std::mutex> held(state_->lock);
    const bool openDone = state_->openDone;
    const bool failed = state_->phase == State::Phase::Failed;
    state_->phase = State::Phase::Closing;
    if (state_->io == nullptr) return;
    held.unlock();
    if (openDone) {
        state_->endAfterOpen(failed ? state_->error : 0);
        return;
    }
    // Still connecting: close it now if gensio can, else when the open ends (opened()).
    if (state_->startClose()) return;
    held.lock();
    if (!state_->openDone) return;
    held.unlock();
    state_->endAfterOpen(state_->error);
}

void GensioConnection::waitOpen(Clock::time_point deadline) {
    std::unique_lock<std::mutex> held(state_->lock);
    state_->changed.wait_until(held, deadline,
                               [&] { return state_->phase != State::Phase::Connecting; });
    const std::string name = schemeOf(server_) + server_.hostAndPort();
    switch (state_->phase) {
        case State::Phase::Open:
            return;
        case State::Phase::Connecting:
            throw Failure(kNoAnswer, "The serial server " + server_.hostAndPort() + " (" + name +
                                         ") does not answer. Check that the host is on the "
                                         "network and that the server runs.");
        default:
            break;
    }
    const int error = state_->error;
    if (error == GE_CONNREFUSE) {
        throw Failure(kConnectionRefused,
                      "The serial server " + server_.hostAndPort() + " (" + name +
                          ") refuses the connection. Check that the server runs and that its "
                          "port number is right.");
    }
    throw Failure(kConnectionFailed, "Cannot connect to the serial server " +
                                         server_.hostAndPort() + " (" + name +
                                         "): " + gensio_err_to_str(error) + ".");
}

bool GensioConnection::connecting() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->phase == State::Phase::Connecting;
}

bool GensioConnection::lost() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->phase == State::Phase::Lost;
}

std::size_t GensioConnection::waiting() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->received.size();
}

std::string GensioConnection::take(std::size_t most) {
    std::unique_lock<std::mutex> held(state_->lock);
    std::string bytes = state_->received.substr(0, most);
    state_->received.erase(0, bytes.size());
    const bool resume = !state_->reading && state_->phase == State::Phase::Open;
    state_->reading = state_->reading || resume;
    held.unlock();
    if (resume) gensio_set_read_callback_enable(state_->io, true);
    return bytes;
}

void GensioConnection::discardReceived() {
    take(kReceiveLimit);
}

void GensioConnection::write(const std::string& bytes, std::chrono::milliseconds wait) {
    const Clock::time_point deadline = Clock::now() + wait;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        unsigned readyBefore = 0;
        {
            std::lock_guard<std::mutex> held(state_->lock);
            if (state_->phase != State::Phase::Open) {
                throw Failure(kConnectionLost, "The connection to the serial server " +
                                                   server_.hostAndPort() + " is lost.");
            }
            readyBefore = state_->writeReady;
        }
        gensiods count = 0;
        const int error =
            gensio_write(state_->io, &count, bytes.data() + sent, bytes.size() - sent, nullptr);
        if (error != 0) {
            throw Failure(kConnectionLost, "Cannot write to the serial server " +
                                               server_.hostAndPort() + ": " +
                                               gensio_err_to_str(error) + ".");
        }
        sent += count;
        if (sent == bytes.size()) break;
        gensio_set_write_callback_enable(state_->io, true);
        std::unique_lock<std::mutex> held(state_->lock);
        if (!state_->changed.wait_until(held, deadline, [&] {
                return state_->writeReady != readyBefore || state_->phase != State::Phase::Open;
            })) {
            throw Failure(kNoAnswer,
                          "The serial server " + server_.hostAndPort() + " takes no more bytes.");
        }
    }
}

sergensio* GensioConnection::serialLine() const {
    std::lock_guard<std::mutex> held(state_->lock);
    if (state_->phase != State::Phase::Open) return nullptr;
    return gensio_to_sergensio(state_->io);
}

void GensioConnection::setLineSettings(const LineSettings& settings, int handshaking) {
    sergensio* line = serialLine();
    if (line == nullptr) return;
    const unsigned int stopBits = settings.stopBits == LineSettings::StopBits::One ? 1 : 2;
    sergensio_baud(line, static_cast<unsigned int>(settings.baud), nullptr, nullptr);
    sergensio_datasize(line, static_cast<unsigned int>(settings.dataBits), nullptr, nullptr);
    sergensio_parity(line, sergensioParity(settings.parity), nullptr, nullptr);
    sergensio_stopbits(line, stopBits, nullptr, nullptr);
    sergensio_flowcontrol(line, sergensioFlowControl(handshaking), nullptr, nullptr);
}

void GensioConnection::setModemLine(bool dtr, bool on) {
    sergensio* line = serialLine();
    if (line == nullptr) return;
    if (dtr) {
        sergensio_dtr(line, on ? SERGENSIO_DTR_ON : SERGENSIO_DTR_OFF, nullptr, nullptr);
    } else {
        sergensio_rts(line, on ? SERGENSIO_RTS_ON : SERGENSIO_RTS_OFF, nullptr, nullptr);
    }
}

}  // namespace vq72::network

// The module's entry point (see network_connection.h).
extern "C" __attribute__((visibility("default"))) vq72::network::NetworkConnection*
vq72_network_connect(const vq72::NetworkPort& server, std::function<void()> onChange) {
    return new vq72::network::GensioConnection(server, std::move(onChange));
}
