// SPDX-License-Identifier: MIT
#include "platform/network/network_connection.h"

#include <gensio/gensio.h>
// gensio_addr.h declares its functions without C linkage for C++.
extern "C" {
#include <gensio/gensio_addr.h>
}
#include <gensio/sergensio.h>

#include <condition_variable>
#include <mutex>

#include "platform/network/connection_failures.h"
#include "platform/network/gensio_address.h"
#include "platform/network/gensio_runtime.h"
#include "platform/network/name_lookup.h"

namespace vq72::network {
namespace {

using Problem = ConnectionProblem;

Problem connectProblem(int gensioError) {
    switch (gensioError) {
        case GE_CONNREFUSE:
            return Problem::Refused;
        case GE_TIMEDOUT:
        case GE_HOSTDOWN:
            return Problem::NoAnswer;
        case GE_REMCLOSE:
            return Problem::ClosedAtOnce;
        default:
            break;
    }
    return Problem::Unreachable;
}

Problem lookupProblem(int lookupError) {
    switch (lookupError) {
        case EAI_NONAME:
        case EAI_NODATA:
        case EAI_ADDRFAMILY:
            return Problem::NameUnknown;
        default:
            break;
    }
    return Problem::NameServerDown;
}

unsigned int sergensioParity(LineSettings::Parity parity) {
    switch (parity) {
        case LineSettings::Parity::Even:
            return SERGENSIO_PARITY_EVEN;
        case LineSettings::Parity::Odd:
            return SERGENSIO_PARITY_ODD;
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

// What gensio's thread and the owner share. gensio holds a reference (keepAlive) from the
// moment it is made until it is freed, and a callback one while it runs, so that no callback
// outlives the state it writes; a lookup holds none, and its answer finds nothing when the owner
// has gone. gensio is never called with `lock` held, except from gensio's own callbacks, which it
// runs without its locks.
struct NetworkConnection::State : std::enable_shared_from_this<State> {
    enum class Phase { Resolving, Connecting, Negotiating, Open, Failed, Lost, Closing };

    State(const NetworkPort& server, std::function<void()> onChange)
        : server(server), onChange(std::move(onChange)) {}

    const NetworkPort server;
    gensio_os_funcs* os = nullptr;
    mutable std::mutex lock;
    std::condition_variable changed;
    Phase phase = Phase::Resolving;
    Problem problem = Problem::Unreachable;  // when Failed
    bool opening = false;  // a gensio open is under way: its callback ends a close
    bool ioOpen = false;   // io is open for gensio (also when no Telnet COM Port Control came)
    std::string received;
    bool reading = false;  // gensio hands over bytes; off while the receive buffer is full
    std::string unsentBytes;
    gensio* io = nullptr;   // the Telnet gensio over the TCP one, or the TCP one
    gensio* tcp = nullptr;  // the TCP gensio (io itself on a raw port)
    std::shared_ptr<NameLookup> lookup;
    std::mutex notifying;  // held while onChange runs, so that the owner can stop it for good
    std::function<void()> onChange;
    std::shared_ptr<State> keepAlive;

    bool telnet() const { return server.protocol == NetworkPort::Protocol::Rfc2217; }
    // With `lock` held.
    bool inProgress() const {
        return phase == Phase::Resolving || phase == Phase::Connecting ||
               phase == Phase::Negotiating;
    }

    void notifyOwner() {
        std::lock_guard<std::mutex> calling(notifying);
        if (onChange) onChange();
    }

    // Connecting has ended without a connection.
    void fail(Problem why) {
        {
            std::lock_guard<std::mutex> held(lock);
            if (phase == Phase::Closing) return;
            phase = Phase::Failed;
            problem = why;
            changed.notify_all();
        }
        notifyOwner();
    }

    void release() {
        if (io != nullptr) gensio_free(io);
        std::shared_ptr<State> last;
        std::lock_guard<std::mutex> held(lock);
        last = std::move(keepAlive);
    }

    static void closed(gensio* /*io*/, void* data) { static_cast<State*>(data)->release(); }

    // Closes `which` (open) and frees the gensios when that is done.
    void closeAndRelease(gensio* which) {
        if (gensio_close(which, &State::closed, this) != 0) release();
    }

    // Once the owner has gone and no open is under way.
    void end(bool open) {
        if (open) {
            closeAndRelease(io);
        } else {
            release();
        }
    }

    // On the owner's thread, from the start.
    void start() {
        const std::weak_ptr<State> self = weak_from_this();
        if (server.hostKind == NetworkPort::HostKind::Name) {
            lookup = NameLookup::start(os, server.host, server.port,
                                       [self](const addrinfo* addresses, int error) {
                                           if (const auto state = self.lock()) {
                                               state->resolved(addresses, error);
                                           }
                                       });
            return;
        }
        addrinfo* addresses = nullptr;
        const int error = literalAddresses(server, &addresses);
        if (error != 0) {
            fail(error == EAI_NONAME && !server.zone.empty() ? Problem::NoInterface
                                                             : Problem::Unreachable);
            return;
        }
        connect(addresses);
        freeaddrinfo(addresses);
    }

    // On gensio's thread, with the name server's answer.
    void resolved(const addrinfo* addresses, int error) {
        if (error != 0) {
            fail(lookupProblem(error));
            return;
        }
        connect(addresses);
    }

    // Makes the gensios and opens the TCP one.
    void connect(const addrinfo* addresses) {
        gensio_addr* address = gensioAddresses(os, addresses, server.port);
        if (address == nullptr) {
            fail(Problem::Unreachable);
            return;
        }
        gensio* madeTcp = nullptr;
        gensio* made = nullptr;
        int error = 0;
        {
            std::lock_guard<std::mutex> loading(gensioLoadLock());
            if (telnet()) {
                static const char* const kTelnetArguments[] = {"rfc2217", nullptr};
                error =
                    gensio_terminal_alloc("tcp", address, nullptr, os, nullptr, nullptr, &madeTcp);
                if (error == 0) {
                    error = gensio_filter_alloc("telnet", madeTcp, kTelnetArguments, os,
                                                &State::event, this, &made);
                    if (error != 0) gensio_free(madeTcp);
                }
            } else {
                error =
                    gensio_terminal_alloc("tcp", address, nullptr, os, &State::event, this, &made);
                madeTcp = made;
            }
        }
        gensio_addr_free(address);
        if (error != 0) {
            fail(Problem::Unreachable);
            return;
        }
        {
            std::unique_lock<std::mutex> held(lock);
            if (phase == Phase::Closing) {
                held.unlock();
                gensio_free(made);
                return;
            }
            io = made;
            tcp = madeTcp;
            phase = Phase::Connecting;
            opening = true;
            keepAlive = shared_from_this();
        }
        error = gensio_open(tcp, &State::tcpOpened, this);
        if (error != 0) tcpOpened(tcp, error, this);
    }

    static void tcpOpened(gensio* /*io*/, int error, void* data) {
        auto* state = static_cast<State*>(data);
        if (error == 0 && state->telnet()) {
            state->negotiate();
            return;
        }
        state->opened(error == 0 ? Problem::Unreachable : connectProblem(error), error == 0,
                      error == 0);
    }

    // The TCP connection is made: the Telnet one opens over it.
    void negotiate() {
        {
            std::unique_lock<std::mutex> held(lock);
            if (phase == Phase::Closing) {
                opening = false;
                held.unlock();
                closeAndRelease(tcp);
                return;
            }
            phase = Phase::Negotiating;
        }
        const int error = gensio_open_nochild(io, &State::telnetOpened, this);
        if (error != 0) telnetOpened(io, error, this);
    }

    static void telnetOpened(gensio* io, int error, void* data) {
        auto* state = static_cast<State*>(data);
        // gensio gives up waiting for the server's Telnet answer after a while and opens anyway;
        // the serial side then refuses every request.
        const bool comPortControl =
            error == 0 && sergensio_baud(gensio_to_sergensio(io), 0, nullptr, nullptr) != GE_NOTSUP;
        state->opened(error == 0 ? Problem::NoRfc2217 : Problem::ClosedAtOnce, comPortControl,
                      error == 0);
    }

    // Connecting has ended: made, or failed for `why`; `gensioOpen` whether gensio opened io.
    void opened(Problem why, bool made, bool gensioOpen) {
        // Once `opening` is off, the owner may let go of this state: it stays until we return.
        const std::shared_ptr<State> self = shared_from_this();
        std::unique_lock<std::mutex> held(lock);
        opening = false;
        ioOpen = gensioOpen;
        if (phase == Phase::Closing) {
            held.unlock();
            end(gensioOpen);
            return;
        }
        phase = made ? Phase::Open : Phase::Failed;
        problem = why;
        reading = made;
        if (made) gensio_set_read_callback_enable(io, true);
        changed.notify_all();
        held.unlock();
        notifyOwner();
    }

    static int event(gensio* io, void* data, int event, int error, unsigned char* buffer,
                     gensiods* length, const char* const* /*aux*/) {
        // The owner may let go of the state meanwhile: it stays until we return.
        const std::shared_ptr<State> state = static_cast<State*>(data)->shared_from_this();
        if (event == GENSIO_EVENT_WRITE_READY) {
            state->sendUnsent();
            return 0;
        }
        if (event != GENSIO_EVENT_READ) return GE_NOTSUP;
        std::unique_lock<std::mutex> held(state->lock);
        if (state->phase != Phase::Open) {
            *length = 0;
            gensio_set_read_callback_enable(io, false);
            return 0;
        }
        if (error != 0) {
            state->phase = Phase::Lost;
            gensio_set_read_callback_enable(io, false);
            state->changed.notify_all();
            held.unlock();
            state->notifyOwner();
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
        held.unlock();
        state->notifyOwner();
        return 0;
    }

    // On gensio's thread, when the connection takes bytes: as many as it takes now.
    void sendUnsent() {
        std::unique_lock<std::mutex> held(lock);
        if (phase != Phase::Open || unsentBytes.empty()) {
            gensio_set_write_callback_enable(io, false);
            return;
        }
        const std::string bytes = unsentBytes;
        held.unlock();
        gensiods count = 0;
        const int error = gensio_write(io, &count, bytes.data(), bytes.size(), nullptr);
        held.lock();
        if (error != 0 && phase == Phase::Open) {
            phase = Phase::Lost;
            changed.notify_all();
            gensio_set_write_callback_enable(io, false);
            held.unlock();
            notifyOwner();
            return;
        }
        // Bytes written meanwhile came after these.
        unsentBytes.erase(0, count);
        if (unsentBytes.empty()) gensio_set_write_callback_enable(io, false);
    }
};

NetworkConnection::NetworkConnection(const NetworkPort& server, std::function<void()> onChange)
    : state_(std::make_shared<State>(server, std::move(onChange))) {
    state_->os = gensioOsFuncs();
    state_->start();
}

NetworkConnection::~NetworkConnection() {
    {
        std::lock_guard<std::mutex> calling(state_->notifying);
        state_->onChange = nullptr;
    }
    std::unique_lock<std::mutex> held(state_->lock);
    state_->phase = State::Phase::Closing;
    if (state_->io == nullptr) {
        held.unlock();
        if (state_->lookup) state_->lookup->cancel();
        return;
    }
    // An open under way ends the close in its callback.
    if (state_->opening) return;
    const bool open = state_->ioOpen;
    held.unlock();
    state_->end(open);
}

bool NetworkConnection::waitOpen(Clock::time_point until) {
    std::unique_lock<std::mutex> held(state_->lock);
    state_->changed.wait_until(held, until, [&] { return !state_->inProgress(); });
    switch (state_->phase) {
        case State::Phase::Open:
            return true;
        case State::Phase::Failed:
            throw connectionFailure(state_->server, state_->problem);
        case State::Phase::Lost:
            throw connectionFailure(state_->server, Problem::Lost);
        default:
            break;
    }
    return false;
}

Failure NetworkConnection::unfinished() const {
    std::lock_guard<std::mutex> held(state_->lock);
    switch (state_->phase) {
        case State::Phase::Resolving:
            return connectionFailure(state_->server, Problem::NameLate);
        case State::Phase::Negotiating:
            return connectionFailure(state_->server, Problem::NoRfc2217);
        default:
            break;
    }
    return connectionFailure(state_->server, Problem::NoAnswer);
}

bool NetworkConnection::connecting() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->inProgress();
}

bool NetworkConnection::lost() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->phase == State::Phase::Lost;
}

std::size_t NetworkConnection::waiting() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->received.size();
}

std::string NetworkConnection::take(std::size_t most) {
    std::unique_lock<std::mutex> held(state_->lock);
    std::string bytes = state_->received.substr(0, most);
    state_->received.erase(0, bytes.size());
    const bool resume = !state_->reading && state_->phase == State::Phase::Open;
    state_->reading = state_->reading || resume;
    held.unlock();
    if (resume) gensio_set_read_callback_enable(state_->io, true);
    return bytes;
}

void NetworkConnection::discardReceived() {
    take(kReceiveLimit);
}

void NetworkConnection::write(const std::string& bytes) {
    {
        std::lock_guard<std::mutex> held(state_->lock);
        if (state_->phase != State::Phase::Open) {
            throw connectionFailure(state_->server, Problem::Lost);
        }
        state_->unsentBytes += bytes;
    }
    // gensio's thread sends them, in order, as the connection takes them.
    gensio_set_write_callback_enable(state_->io, true);
}

std::size_t NetworkConnection::unsent() const {
    std::lock_guard<std::mutex> held(state_->lock);
    return state_->unsentBytes.size();
}

sergensio* NetworkConnection::serialLine() const {
    std::lock_guard<std::mutex> held(state_->lock);
    if (state_->phase != State::Phase::Open) return nullptr;
    return gensio_to_sergensio(state_->io);
}

void NetworkConnection::setLineSettings(const LineSettings& settings, int handshaking) {
    sergensio* line = serialLine();
    if (line == nullptr) return;
    const unsigned int stopBits = settings.stopBits == LineSettings::StopBits::One ? 1 : 2;
    sergensio_baud(line, static_cast<unsigned int>(settings.baud), nullptr, nullptr);
    sergensio_datasize(line, static_cast<unsigned int>(settings.dataBits), nullptr, nullptr);
    sergensio_parity(line, sergensioParity(settings.parity), nullptr, nullptr);
    sergensio_stopbits(line, stopBits, nullptr, nullptr);
    sergensio_flowcontrol(line, sergensioFlowControl(handshaking), nullptr, nullptr);
}

void NetworkConnection::setModemLine(bool dtr, bool on) {
    sergensio* line = serialLine();
    if (line == nullptr) return;
    if (dtr) {
        sergensio_dtr(line, on ? SERGENSIO_DTR_ON : SERGENSIO_DTR_OFF, nullptr, nullptr);
    } else {
        sergensio_rts(line, on ? SERGENSIO_RTS_ON : SERGENSIO_RTS_OFF, nullptr, nullptr);
    }
}

}  // namespace vq72::network
