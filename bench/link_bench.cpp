// SPDX-License-Identifier: MIT
// The link in real time: the program with the Qt serial control and the timer driver against
// the simulated device, run as its own process (vq72-osd-sim, --pace: 9600 baud both ways).
//  1. presence-poll round trip, from "CTS" written to "VQ72xx Found" shown, against its floor:
//     3 bytes out and the 14-byte reply in at 9600 baud 8N1, plus the 2-tick quiet time;
//  2. "SAVE" to "Done", against its floor: the 36-byte command out and the 14-byte reply in at
//     9600 baud 8N1, plus the 2-tick quiet time (transfers that a poll overlapped are left out);
//  3. the idle program: its CPU time as a share of one core and its wake-ups per second (the
//     process's voluntary context switches, and how often the timer driver's own timer woke
//     it); the simulator's are not counted.
// With --burst the simulator hands over each reply at once, as a USB adapter passes on a short
// reply in one transfer, instead of byte by byte at 9600 baud; then only the idle program is
// measured (the floors of 1 and 2 assume the paced line). A pty wakes its reader for every
// write, so byte by byte the 14 bytes of each reply wake the process 14 times.
// Prints figures and ratios; never fails on a missed target.
// Usage: link_bench [--polls N] [--transfers N] [--seconds S] [--sim PATH] [--burst]
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "device/port_map.h"
#include "device/settings_store.h"
#include "observed_serial_control.h"
#include "platform/qt/qt_serial_control.h"
#include "protocol/reply_reader.h"
#include "support/fakes.h"
#include "ui/timer_driver.h"

namespace {

using namespace vq72;
using Clock = std::chrono::steady_clock;

constexpr double kBaud = 9600;
constexpr double kBitsPerByte = 10;   // 8N1: start, 8 data, stop
constexpr double kPollBytes = 3;      // "CTS"
constexpr double kReplyBytes = 14;    // "VQ7240 CT-OK" CR LF
constexpr double kCommandBytes = 36;  // the OSD text command with its colour field
constexpr double kTickMs = 25;
constexpr double kCpuTargetPercent = 0.05;
constexpr double kWakeUpsTargetPerSecond = 2;
constexpr int kStartLimitMs = 10'000;

struct Arguments {
    int polls = 50;
    int transfers = 50;
    int seconds = 60;
    QString sim;
    bool burst = false;
};

Arguments parse(int argc, char** argv) {
    Arguments a;
    a.sim = QCoreApplication::applicationDirPath() + "/vq72-osd-sim";
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--burst") {
            a.burst = true;
            continue;
        }
        if (i + 1 == argc) break;
        const char* value = argv[++i];
        if (option == "--polls") a.polls = std::max(1, std::atoi(value));
        if (option == "--transfers") a.transfers = std::max(1, std::atoi(value));
        if (option == "--seconds") a.seconds = std::max(1, std::atoi(value));
        if (option == "--sim") a.sim = value;
    }
    return a;
}

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Times the process's threads gave up the processor to wait: each is one sleep and wake-up.
long voluntaryContextSwitches() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

// Runs the event loop, sleeping while there is nothing to do, until `done` holds or `boundMs`
// passes. The program's 25 ms tick wakes it often enough to look.
bool runUntil(const std::function<bool()>& done, int boundMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > boundMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Records when the program shows "VQ72xx Found" and "Done"; blanks the status line again after
// each, so that the next reply shows it anew.
class FoundWatch : public MainWindowListener {
public:
    explicit FoundWatch(MainWindowModel& w) : w_(w) { w_.addListener(this); }
    ~FoundWatch() override { w_.removeListener(this); }
    FoundWatch(const FoundWatch&) = delete;
    FoundWatch& operator=(const FoundWatch&) = delete;

    std::vector<Clock::time_point> found;
    std::vector<Clock::time_point> done;

    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control != &w_.lbl_txt_status || property != ControlProperty::Text) return;
        if (control.text() == "VQ72xx Found") {
            found.push_back(Clock::now());
        } else if (control.text() == "Done") {
            done.push_back(Clock::now());
        } else {
            return;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this] { w_.lbl_txt_status.setText(""); },
            Qt::QueuedConnection);
    }

private:
    MainWindowModel& w_;
};

// Prints each "VQ72xx Found" against the last "CTS" written before it.
void reportPollRoundTrips(const std::vector<Clock::time_point>& found,
                          const std::vector<Clock::time_point>& ctsWritten, bool polled) {
    std::vector<double> roundTripsMs;
    for (const Clock::time_point shown : found) {
        const auto after = std::upper_bound(ctsWritten.begin(), ctsWritten.end(), shown);
        if (after == ctsWritten.begin()) continue;
        roundTripsMs.push_back(
            std::chrono::duration<double, std::milli>(shown - *(after - 1)).count());
    }

    const double wireMs = (kPollBytes + kReplyBytes) * kBitsPerByte / kBaud * 1000;
    const double floorMs = wireMs + ReplyReader::kQuietTicks * kTickMs;
    std::printf(
        "presence poll round trip, \"CTS\" written -> \"VQ72xx Found\" shown (%zu polls%s)\n",
        roundTripsMs.size(), polled ? "" : ", fewer than asked: the device stopped answering");
    std::printf(
        "  floor          %6.1f ms  (17 bytes at 9600 8N1: %.1f ms, quiet time 2 ticks: %.0f ms)\n",
        floorMs, wireMs, ReplyReader::kQuietTicks * kTickMs);
    if (!roundTripsMs.empty()) {
        const double median = percentile(roundTripsMs, 0.5);
        const double p95 = percentile(roundTripsMs, 0.95);
        std::printf(
            "  median         %6.1f ms  = %.2f x floor  (target <= floor + 1 tick = %.1f ms: %s)\n",
            median, median / floorMs, floorMs + kTickMs,
            median <= floorMs + kTickMs ? "met" : "missed");
        std::printf("  95th percentile %5.1f ms  = %.2f x floor\n", p95, p95 / floorMs);
    }
}

// "SAVE" to "Done", one transfer after the other.
void measureTransfers(Program& program, FoundWatch& watch,
                      const std::vector<Clock::time_point>& ctsWritten, int transfers) {
    MainWindowModel& w = program.frm_VQ72xx;
    std::vector<double> transfersMs;
    int overlapped = 0;
    w.Text_input.setText("HELLO");
    w.opt_BK_WT[1].setValue(true);
    while (static_cast<int>(transfersMs.size()) < transfers) {
        const std::size_t pollsBefore = ctsWritten.size();
        const std::size_t doneBefore = watch.done.size();
        const Clock::time_point pressed = Clock::now();
        program.cmd_button_Click(0);
        if (!runUntil([&] { return watch.done.size() > doneBefore; }, kStartLimitMs)) break;
        const double ms =
            std::chrono::duration<double, std::milli>(watch.done.back() - pressed).count();
        // A poll in between would take its reply for the command's: leave that transfer out.
        if (ctsWritten.size() != pollsBefore) {
            ++overlapped;
        } else {
            transfersMs.push_back(ms);
        }
        runUntil([] { return false; }, static_cast<int>(kTickMs) * 4);
    }
    const double saveFloorMs = (kCommandBytes + kReplyBytes) * kBitsPerByte / kBaud * 1000 +
                               ReplyReader::kQuietTicks * kTickMs;
    std::printf("\"SAVE\" -> \"Done\" (%zu transfers, %d overlapped by a poll and left out)\n",
                transfersMs.size(), overlapped);
    std::printf("  floor          %6.1f ms  (50 bytes at 9600 8N1, quiet time 2 ticks)\n",
                saveFloorMs);
    if (!transfersMs.empty()) {
        const double median = percentile(transfersMs, 0.5);
        const double p95 = percentile(transfersMs, 0.95);
        std::printf("  median         %6.1f ms  = %.2f x floor  (target <= 1.25 x: %s)\n", median,
                    median / saveFloorMs, median <= 1.25 * saveFloorMs ? "met" : "missed");
        std::printf(
            "  95th percentile %5.1f ms  = %.2f x floor  (target <= floor + 2 ticks = %.1f ms: "
            "%s)\n",
            p95, p95 / saveFloorMs, saveFloorMs + 2 * kTickMs,
            p95 <= saveFloorMs + 2 * kTickMs ? "met" : "missed");
    }
}

// Idle: the program polls and supervises; nobody types.
void measureIdle(const TimerDriver& timers, const FoundWatch& watch, int seconds, bool burst) {
    const double cpuBefore = cpuSeconds();
    const long switchesBefore = voluntaryContextSwitches();
    const long timerWakeUpsBefore = timers.timerWakeUps();
    QElapsedTimer wall;
    wall.start();
    runUntil([] { return false; }, seconds * 1000);
    const double cpu = cpuSeconds() - cpuBefore;
    const double wallSeconds = static_cast<double>(wall.elapsed()) / 1000;
    const double share = 100 * cpu / wallSeconds;
    const double wakeUps = (voluntaryContextSwitches() - switchesBefore) / wallSeconds;
    std::printf("idle program, %d s with real timers and the device answering %s\n", seconds,
                burst ? "in bursts (each reply in one write)" : "byte by byte at 9600 baud");
    std::printf("  CPU            %6.3f s   = %.3f %% of one core  (target <= %.2f %%: %s)\n", cpu,
                share, kCpuTargetPercent, share <= kCpuTargetPercent ? "met" : "missed");
    std::printf("  wake-ups       %6.2f /s  (voluntary context switches; target <= %.0f /s: %s)\n",
                wakeUps, kWakeUpsTargetPerSecond,
                wakeUps <= kWakeUpsTargetPerSecond ? "met" : "missed");
    const double timerWakeUps = (timers.timerWakeUps() - timerWakeUpsBefore) / wallSeconds;
    std::printf(
        "  timer wake-ups %6.2f /s  (the timer driver's own timer; target <= %.0f /s: %s)\n",
        timerWakeUps, kWakeUpsTargetPerSecond,
        timerWakeUps <= kWakeUpsTargetPerSecond ? "met" : "missed");
    std::printf("  %zu polls answered in all\n", watch.found.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const Arguments args = parse(argc, argv);
    QTemporaryDir scratch;
    const QString link = scratch.path() + "/port";

    QProcess sim;
    sim.setProgram(args.sim);
    sim.setArguments(args.burst ? QStringList{"--link", link}
                                : QStringList{"--link", link, "--pace"});
    sim.start();
    if (!sim.waitForStarted() ||
        !runUntil([&] { return QFileInfo::exists(link); }, kStartLimitMs)) {
        std::fprintf(stderr, "link_bench: the simulator (%s) did not start\n",
                     qPrintable(args.sim));
        return 1;
    }

    QtSerialControl control(PortMap::parse("1=" + link.toStdString()));
    bench::ObservedSerialControl serial(control);
    test::FakeSettingsBacking settings;
    settings.values[SettingsStore::buildPath(kAppTitle, kFormInitSection, "ComPort")] = " 1";
    test::FakeShell shell;
    test::FakeAppServices app;
    app.onDoEvents = [] { QCoreApplication::processEvents(); };
    test::FakeWindowSystem windows;
    MainWindowModel window;
    Program program(window, Platform{serial, settings, shell, app, windows, windows});
    TimerDriver timers(window, program);
    FoundWatch watch(window);
    std::vector<Clock::time_point> ctsWritten;
    serial.onOutput = [&](const std::string& bytes) {
        if (bytes == CommandChannel::kPresencePollText) ctsWritten.push_back(Clock::now());
    };

    program.Form_Load();
    const int pollPeriodMs = 2 * (LinkSupervision::kPollPhaseTicks + 1) * static_cast<int>(kTickMs);
    const bool polled = runUntil([&] { return static_cast<int>(watch.found.size()) >= args.polls; },
                                 kStartLimitMs + (args.polls + 1) * pollPeriodMs);
    if (!args.burst) {
        reportPollRoundTrips(watch.found, ctsWritten, polled);
        measureTransfers(program, watch, ctsWritten, args.transfers);
    }
    measureIdle(timers, watch, args.seconds, args.burst);

    serial.setPortOpen(false);
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
