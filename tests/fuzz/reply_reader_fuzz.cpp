// Feeds arbitrary device bytes, interleaved with supervision ticks and link state changes, to
// the reply reader of a running program over fakes. Besides the sanitizers it checks that the
// receive buffer stays bounded and that the quiet-time countdown stays in its range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/ready_link.h"

namespace {

constexpr int kPort = 1;

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

// One control byte, then its operands:
//   0x00-0x3F  run 1..8 ticks (low three bits + 1)
//   0x40-0x7F  1..64 following bytes arrive from the device (low six bits + 1)
//   0x80-0x9F  a text transfer starts or ends (bit 0)
//   0xA0-0xBF  the port becomes ready or not (bit 0)
//   0xC0-0xDF  a text is written (it awaits its confirmation)
//   0xE0-0xFF  the reader is called directly, as the tick does during the quiet time
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vq72::test::Harness h;
    check(vq72::test::loadWithReadyPort(h, kPort));

    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t op = data[at++];
        if (op < 0x40) {
            h.clock.run((op & 0x07) + 1);
        } else if (op < 0x80) {
            const std::size_t n = std::min<std::size_t>((op & 0x3F) + 1, size - at);
            h.serial.arrive(std::string(reinterpret_cast<const char*>(data + at), n));
            at += n;
        } else if (op < 0xA0) {
            h.w.state.TextTransferBusy = (op & 1) != 0;
        } else if (op < 0xC0) {
            h.w.state.PortReady = (op & 1) != 0;
        } else if (op < 0xE0) {
            h.w.state.TextSentPending = 1;
            h.program.channel().SendCom("CTT");
        } else {
            h.program.reader().RecvData();
        }
        const vq72::ReceiveBuffer& buffer = h.program.reader().RxBuffer;
        check(buffer.storedCharacters() <=
              vq72::ReceiveBuffer::kKeptHead + 2 * vq72::ReceiveBuffer::kMaxBatch);
        check(h.w.state.RxWaitTicks >= 0 && h.w.state.RxWaitTicks <= 3);
        check(h.w.state.Replies.owed() <= vq72::ReplyLedger::kMostOwed);
    }
    return 0;
}
