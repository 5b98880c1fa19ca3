// SPDX-License-Identifier: MIT
// Device facts: the OSD frame, the receive buffer, numbers, failing units, settings paths, the
// port map and the trace's lines.
#include "device/failing_unit.h"
#include "device/network_port.h"
#include "device/number_text.h"
#include "device/port_map.h"
#include "device/receive_buffer.h"
#include "device/settings_store.h"
#include "device/trace_line.h"

#include <gtest/gtest.h>
#include <clocale>
#include <stdexcept>
#include <string>
#include <vector>

#include "device/osd_frame.h"
#include "support/fakes.h"

namespace vq72 {
namespace {

using osd::osdTextCommand;
using osd::osdTextField;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(TraceLine, IsUtcToTheMillisecondThenDirectionAndBytesOrAOneLineNote) {
    using namespace std::chrono;
    const TraceTime time = sys_days{2026y / December / 8} + 6h + 1min + 2s + 345ms + 999us;
    EXPECT_EQ(traceLine(time, TraceDirection::Sent, "CTS"), "2026-12-08T06:01:02.345Z > 43 54 53");
    EXPECT_EQ(traceLine(sys_days{1999y / January / 1}, TraceDirection::Received, "\r\n\xff"),
              "1999-01-01T00:00:00.000Z < 0D 0A FF");
    EXPECT_EQ(traceNote(time, "open /a\nb\x7f"), "2026-12-08T06:01:02.345Z open /a?b?");
}

// The frame without a colour: the SAVE test.
TEST(OsdFrame, AColourFollowsTheAttributes) {
    EXPECT_EQ(
        osdTextCommand("HELLO", bytes({0x10, '1', '2'}), bytes({0x06, '7'}), TextAlign::Centre),
        bytes({0x43, 0x54, 0x54, 0x14}) + blanks(7) + "HELLO" + blanks(8) +
            bytes({0x10, 0x31, 0x32, 0x06, 0x33, 0x06, 0x34, 0x06, 0x37, 0x13, 0x0D, 0x0A}));
}

TEST(OsdFrame, CentringFollowsTheTableForEveryLength) {
    // leading blanks for L = 0..20; trailing = 20 - L - leading
    const std::vector<std::size_t> leading{10, 9, 9, 9, 8, 7, 7, 7, 6, 5, 5,
                                           5,  4, 3, 3, 3, 2, 1, 1, 1, 0};
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::string text(length, 'X');
        const std::string expected =
            blanks(leading[length]) + text + blanks(20 - length - leading[length]);
        EXPECT_EQ(osdTextField(text, TextAlign::Centre), expected) << "length " << length;
    }
}

// Inner blanks stay; a blank that only a dropped byte kept inside the text is an outer one.
TEST(OsdFrame, FieldPadsTheOtherSideAndNeverHoldsBytesOutsideBlankToLowerZ) {
    const std::string dirty =
        bytes({'\t', 'A', 0x13, 0x0D, 0x0A, 'B', 'z', '{', '~', 0x7F, 0xC3, 0xA9});
    EXPECT_EQ(osdTextField(" A  B ", TextAlign::Right), blanks(16) + "A  B");
    EXPECT_EQ(osdTextField(dirty, TextAlign::Left), "ABz" + blanks(17));
    EXPECT_EQ(osdTextField("\t A", TextAlign::Right), blanks(19) + "A");
}

// The bounded buffer against the whole text, for every length up to several trims.
TEST(ReceiveBuffer, DecidesAsTheWholeTextWouldForEveryLength) {
    for (std::size_t n = 0; n <= 450; ++n) {
        ReceiveBuffer buffer;
        std::string whole;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = static_cast<char>('!' + (i * 7) % 90);
            buffer.append(c);
            whole.push_back(c);
        }
        ASSERT_EQ(buffer.length(), n);
        ASSERT_EQ(buffer.empty(), n == 0);
        ASSERT_EQ(buffer.head(), whole.substr(0, 3));
        ASSERT_LE(buffer.storedCharacters(),
                  ReceiveBuffer::kKeptHead + 2 * ReceiveBuffer::kMaxBatch);
        const ReceiveBuffer::Batch batch = buffer.take();
        ASSERT_EQ(batch.length, n);
        ASSERT_EQ(batch.text, whole.substr(n > 100 ? n - 100 : 0)) << n;
        ASSERT_TRUE(buffer.empty());
        ASSERT_EQ(buffer.head(), "");
    }
}

// Lines as the reply reader splits a batch (at carriage returns) that it takes for an
// acknowledgement: the banner's token first.
int acknowledgingLines(const std::string& text) {
    int count = 0;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t cr = text.find('\r', from);
        const std::size_t end = cr == std::string::npos ? text.size() : cr + 1;
        const std::string line = text.substr(from, end - from);
        count +=
            line.find("(C) Flarn") == std::string::npos && line.find("CT-OK") != std::string::npos;
        from = end;
    }
    return count;
}

// Whatever a long batch loses to the cut, its acknowledgements are counted once: those in the
// cut lines, the one whose line the cut runs through, and those of the kept text.
TEST(ReceiveBuffer, CountsEveryAcknowledgementOfALongBatchOnce) {
    const std::string lines[] = {
        "VQ7240 CT-OK\r\n",   "(C) Flarn VQ7240\r\n", "Time=12\r", "CT-OK", "x",
        std::string(150, 'z')};
    std::uint32_t seed = 7240;
    for (int run = 0; run < 2000; ++run) {
        std::string whole;
        for (int i = run % 40; i >= 0; --i) {
            seed = seed * 1664525u + 1013904223u;
            whole += lines[(seed >> 16) % std::size(lines)];
        }
        ReceiveBuffer buffer;
        for (const char c : whole) buffer.append(c);
        const ReceiveBuffer::Batch batch = buffer.take();
        ASSERT_EQ(batch.cutAcknowledgements + acknowledgingLines(batch.text),
                  acknowledgingLines(whole))
            << whole;
    }
}

// Also where the program's locale writes numbers with a decimal comma (Qt takes the user's).
TEST(NumberText, ConvertsTagsAndSettingsTo16BitWithHalfToEvenRoundingInAnyLocale) {
#ifdef _WIN32
    const char* const commaLocale = "German_Germany.1252";
#else
    const char* const commaLocale = "de_DE.UTF-8";  // built for the tests (LOCPATH)
#endif
    const std::pair<std::string, int> cases[] = {
        {" 3", 3}, {"3 ", 3}, {"12", 12}, {"-4", -4}, {"2.5", 2}, {"3.5", 4}, {"32767", 32767}};
    for (const char* locale : {commaLocale, "C"}) {
        ASSERT_NE(std::setlocale(LC_NUMERIC, locale), nullptr) << locale;
        if (locale == commaLocale) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        }
        for (const auto& [text, value] : cases) EXPECT_EQ(toInteger16(text), value) << text;
    }
}

// Only the program's own failures are caught: a programming error is none, and goes on.
TEST(FailingUnit, LetsAProgrammingErrorThrough) {
    EXPECT_THROW(ignoringFailure([] { throw std::out_of_range("no entry"); }), std::out_of_range);
}

TEST(SettingsStorePath, LeavesOutEmptyTitleAndSectionWithTheirSeparators) {
    EXPECT_EQ(SettingsStore::buildPath("", "", "ComPort"),
              "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\ComPort");
}

TEST(PortMap, EnvironmentEntriesThatCannotBeUsedAreLeftOutAndNamed) {
    const PortMap map = PortMap::parse(
        "1=,99=/dev/x,nothing,2=/dev/pts/7,16=tcp://127.0.0.1:3000,3=tcp://[127.0.0.1]:1");
    EXPECT_EQ(map.device(1), "");
    EXPECT_EQ(map.device(2), "/dev/pts/7");
    EXPECT_EQ(map.device(16), "tcp://127.0.0.1:3000");
    EXPECT_EQ(map.device(3), "") << "a malformed network entry is never taken for a path";
    EXPECT_EQ(map.problems(),
              (std::vector<std::string>{
                  "VQ72_OSD_PORTS: \"1=\" left out: it names no device",
                  "VQ72_OSD_PORTS: \"99=/dev/x\" left out: \"99\" is not a port number 1 to 16",
                  "VQ72_OSD_PORTS: \"nothing\" left out: an entry is N=DEVICE, N a port number 1 "
                  "to 16",
                  "VQ72_OSD_PORTS: \"3=tcp://[127.0.0.1]:1\" left out: \"[127.0.0.1]\" is not an "
                  "IPv6 address: brackets belong around one only, e.g. [::1]:3000"}));
}

// What a network entry names, or why it is refused: brackets only around IPv6 addresses, a zone
// only on a link-local one, IPv4 addresses and names as strictly as a resolver takes them.
TEST(NetworkPort, EntriesAreReadStrictlyOrRefusedWithTheReason) {
    using Kind = NetworkPort::HostKind;
    const struct {
        const char* entry;
        Kind kind;
        const char* named;  // how messages name the server, or the start of the problem
    } cases[] = {
        {"tcp://127.0.0.1:3000", Kind::IPv4, "127.0.0.1:3000"},
        {"rfc2217://[::1]:65535", Kind::IPv6, "[::1]:65535"},
        {"tcp://[FE80::a:1%eth0.5]:7", Kind::IPv6, "[FE80::a:1%eth0.5]:7"},
        {"tcp://[::ffff:10.0.0.1]:1", Kind::IPv6, "[::ffff:10.0.0.1]:1"},
        {"tcp://serial-1.example_net.org:3000", Kind::Name, "serial-1.example_net.org:3000"},
        {"tcp://:3000", Kind::Name, "it names no host"},
        {"tcp://h", Kind::Name, "it names no port (HOST:PORT)"},
        {"tcp://h:65536", Kind::Name, "\"65536\" is not a TCP port number 1 to 65535"},
        {"ssh://h:22", Kind::Name, "\"ssh://\" is not a network port kind (tcp:// or rfc2217://)"},
        {"tcp://a b:1", Kind::Name, "\"a b\" is not a host name or address"},
        {"tcp://999.1.1.1:1", Kind::Name, "\"999.1.1.1\" is not an IPv4 address (four numbers"},
        {"tcp://::1:1", Kind::Name, "an IPv6 address must be written in brackets, e.g. [::1]:3000"},
        {"tcp://[::1]3000", Kind::Name, "\":PORT\" must follow the IPv6 address"},
        {"tcp://[::1:3000", Kind::Name, "the IPv6 address has no closing \"]\""},
        {"tcp://[127.0.0.1]:1", Kind::Name, "\"[127.0.0.1]\" is not an IPv6 address: brackets"},
        {"tcp://[::1.2.3.4:5]:1", Kind::Name, "\"[::1.2.3.4:5]\" is not an IPv6"},
        {"tcp://[::1%lo]:1", Kind::Name,
         "a zone (\"%lo\") belongs only to a link-local IPv6 address (fe80::...)"},
        {"tcp://[fe80::1%]:1", Kind::Name, "no network interface follows \"%\" (e.g. %eth0)"},
        {"tcp://[fe80::1%e/0]:1", Kind::Name, "\"e/0\" is not a network interface name"},
    };
    for (const auto& c : cases) {
        const ParsedNetworkPort parsed = parseNetworkPort(c.entry);
        if (parsed.port) {
            EXPECT_EQ(parsed.port->hostAndPort(), c.named) << c.entry;
            EXPECT_EQ(parsed.port->hostKind, c.kind) << c.entry;
            EXPECT_EQ(parsed.port->entry(), c.entry) << c.entry;
        } else {
            EXPECT_EQ(parsed.problem.rfind(c.named, 0), 0u) << c.entry << ": " << parsed.problem;
        }
    }
}

TEST(PortMap, StoredEntriesReplaceDefaultsAndBadOnesKeepTheDefault) {
    test::FakeSettingsBacking backing;
    const std::string section = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\Ports\\";
    backing.values[section + "5"] = "/dev/serial/by-id/usb-A";
    backing.values[section + "6"] = "";
    backing.values[section + "17"] = "/dev/ttyUSB9";
    const PortMap map = PortMap::forRun(nullptr, backing);
    EXPECT_EQ(map.device(5), "/dev/serial/by-id/usb-A");
    EXPECT_EQ(map.device(6), "/dev/ttyUSB1");
    EXPECT_EQ(map.device(1), "/dev/ttyS0");
    EXPECT_EQ(map.problems(),
              (std::vector<std::string>{
                  "[Ports]: \"17=/dev/ttyUSB9\" left out: \"17\" is not a port number 1 to 16",
                  "[Ports]: \"6=\" left out: it names no device"}));
    EXPECT_TRUE(backing.writes.empty());
}

}  // namespace
}  // namespace vq72
