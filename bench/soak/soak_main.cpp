// SPDX-License-Identifier: MIT
// The fault soak: the program's logic with the real Qt serial control against the simulated
// device, transfer after transfer from "SAVE", under faults drawn from a fixed seed. Ticks come
// from the manual clock; every tenth transfer runs its ticks in real time, because byte timing
// (a paced line, a reply split across ticks) only means something when a tick lasts 25 ms.
//
// Passes when: the device logged no BAD frame; every OSD command the program wrote arrived
// whole and in order; every transfer ended as its fault allows (fault_plan.h); every tick ran;
// the resident memory grew less than 1 MB after warm-up. Time never fails it: the soak waits
// for events (the device's bytes, the port going and coming), and the slowest tick and the wall
// time are reported figures. A hang is ended by the test's time limit;
// a note on standard error says where the run stood.
//
// vq72_soak [--transfers N] [--seed N] [--real-time-every K]
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string_view>
#include <thread>

#include "app/program.h"
#include "fault_plan.h"
#include "platform/qt/qt_serial_control.h"
#include "recording_serial_control.h"
#include "sim/frame_log.h"
#include "sim/replies.h"
#include "sim/simulated_device.h"
#include "support/fakes.h"
#include "support/manual_clock.h"

namespace vq72::soak {
namespace {

constexpr long kWarmUpTransfers = 50;
constexpr long kMostRssGrowthKb = 1024;
constexpr int kTickMs = 25;
constexpr int kMostStepsPerTransfer = 1400;  // beyond the watchdog's 1200 ticks
constexpr int kIoPausedSteps = 400;          // steps after "SAVE" that also wait 1 ms for I/O
constexpr int kSettleSteps = 400;
// Without progress this long, standard error says where the run stands (a note, not a failure).
constexpr std::chrono::seconds kStallNoteAfter{30};
// A wait for the device that sees this long pass takes its commands for lost; should their
// frames still come, that is taken back, so a slow machine only lets one tick through early.
constexpr qint64 kGiveUpWaitMs = 2000;
// The first failure prints the run's last events (port calls and status texts) before it.
constexpr std::size_t kTraceEvents = 60;
const std::string kLinkName = "port";
const std::set<std::string> kEndings{"Done", "No Reply", "No Com Port", "No Device"};
const char* const kUsage =
    "usage: vq72_soak [--transfers N] [--seed N] [--real-time-every K]\n"
    "  --transfers N        transfers from \"SAVE\" to run (1000)\n"
    "  --seed N             the seed of the faults and texts (7240)\n"
    "  --real-time-every K  every Kth transfer runs its ticks in real time, 0: none (10)\n";

struct RunSettings {
    long transfers = 1000;
    unsigned seed = 7240;
    long realTimeEvery = 10;
};

bool parse(int argc, char** argv, RunSettings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string_view value = argv[i + 1];
        const auto read = [&](auto& field) {
            const auto r = std::from_chars(value.data(), value.data() + value.size(), field);
            return r.ec == std::errc() && r.ptr == value.data() + value.size();
        };
        const bool ok = name == "--transfers"         ? read(s.transfers)
                        : name == "--seed"            ? read(s.seed)
                        : name == "--real-time-every" ? read(s.realTimeEvery)
                                                      : false;
        if (!ok) return false;
    }
    return argc % 2 == 1;
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

std::string randomText(std::mt19937& random) {
    static const std::string kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -.:";
    const int length = std::uniform_int_distribution<int>(0, 20)(random);
    std::string text;
    for (int i = 0; i < length; ++i) {
        text += kCharacters[std::uniform_int_distribution<std::size_t>(
            0, kCharacters.size() - 1)(random)];
    }
    return text;
}

// "A", "B" or "C".
std::string quotedChoices(const std::set<std::string>& choices) {
    std::string text;
    std::size_t left = choices.size();
    for (const std::string& choice : choices) {
        text += "\"" + choice + "\"" + (--left > 1 ? ", " : left == 1 ? " or " : "");
    }
    return text;
}

// Writes a note when `progress` stands still for kStallNoteAfter: which transfer hangs, as
// `where` says. It never ends the run.
class StallNote {
public:
    StallNote(const std::atomic<unsigned long>& progress, std::function<std::string()> where)
        : progress_(progress), where_(std::move(where)), thread_([this] { watch(); }) {}
    ~StallNote() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        unsigned long seen = progress_.load();
        while (!wake_.wait_for(lock, kStallNoteAfter, [this] { return stopping_; })) {
            if (progress_.load() == seen) {
                std::cerr << "soak: " << where_() << ": no progress for " << kStallNoteAfter.count()
                          << " s; still waiting (the test's time limit ends a hang)" << std::endl;
            }
            seen = progress_.load();
        }
    }

    const std::atomic<unsigned long>& progress_;
    std::function<std::string()> where_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

// The first status of a transfer's endings shown since the last reset: a batch can show "Done"
// and, from a poll's answer in the same batch, "VQ72xx Found" right after it.
class EndingWatch : public MainWindowListener {
public:
    EndingWatch(const Control& status, std::function<void(const std::string&)> trace)
        : status_(status), trace_(std::move(trace)) {}
    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control != &status_ || property != ControlProperty::Text) return;
        trace_("status \"" + control.text() + "\"");
        if (ending.empty() && kEndings.count(control.text()) > 0) ending = control.text();
    }
    std::string ending;

private:
    const Control& status_;
    std::function<void(const std::string&)> trace_;
};

class Soak {
public:
    Soak(const RunSettings& settings, const std::string& folder)
        : settings_(settings), link_(folder + "/" + kLinkName), random_(settings.seed) {
        startDevice();
        PortMap map;
        map.set(1, link_);
        control_ = std::make_unique<QtSerialControl>(map, folder);
        serial_ = std::make_unique<RecordingSerialControl>(*control_);
        serial_->opened = [this] { openedPath_ = device_ ? device_->portPath() : ""; };
        serial_->trace = [this](const std::string& event) { trace(event); };
        serial_->reachesDevice = [this] {
            return device_ && !openedPath_.empty() && device_->portPath() == openedPath_;
        };
        app_.onDoEvents = [] { QCoreApplication::processEvents(); };
        backing_.values["HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\ComPort"] = " 1";
        program_ = std::make_unique<Program>(
            window_, Platform{*serial_, backing_, shell_, app_, windows_, windows_});
        clock_ = std::make_unique<test::ManualClock>(program_->frm_VQ72xx, *program_);
        clock_->between = [this] { between(); };
        endingWatch_ =
            std::make_unique<EndingWatch>(program_->frm_VQ72xx.lbl_txt_status,
                                          [this](const std::string& event) { trace(event); });
        program_->frm_VQ72xx.addListener(endingWatch_.get());
    }
    ~Soak() { program_->frm_VQ72xx.removeListener(endingWatch_.get()); }

    int run() {
        QElapsedTimer elapsed;
        elapsed.start();
        StallNote stallNote(progress_, [this] { return where(); });
        MainWindowModel& w = program_->frm_VQ72xx;
        program_->Form_Load();
        if (steps([&] { return w.state.PortReady; }, kSettleSteps) < 0) {
            fail("the port was not ready after " + std::to_string(kSettleSteps) +
                 " ticks, allowed at most that many");
        }
        long done = 0;
        for (; done < settings_.transfers && failures_ == 0; ++done) {
            realTime_ = settings_.realTimeEvery > 0 &&
                        done % settings_.realTimeEvery == settings_.realTimeEvery - 1;
            transfer(done);
            takeLog();
            if (done + 1 == kWarmUpTransfers) rssBefore_ = residentKb();
        }
        transferNo_ = kAtEnd;
        retireDevice();
        if (!serial_->osdCommands.empty()) {
            fail(std::to_string(serial_->osdCommands.size()) +
                 " written OSD commands never reached the device, allowed 0");
        }
        const long rssAfter = residentKb();
        report(done, elapsed.elapsed(), rssAfter);
        if (rssBefore_ > 0 && rssAfter - rssBefore_ >= kMostRssGrowthKb) {
            fail("resident memory grew by " + std::to_string(rssAfter - rssBefore_) +
                 " kB after warm-up, allowed less than " + std::to_string(kMostRssGrowthKb) +
                 " kB");
        }
        std::cout << (failures_ == 0 ? "PASS" : "FAIL") << std::endl;
        return failures_ == 0 ? 0 : 1;
    }

private:
    void transfer(long index) {
        MainWindowModel& w = program_->frm_VQ72xx;
        app_.events.clear();
        const Fault fault = drawFault(random_, realTime_);
        fault_ = fault;
        transferNo_ = index;
        ++faults_[fault];
        prepare(fault);

        w.opt_location[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 8)(random_))]
            .setValue(true);
        w.opt_BK_WT[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 1)(random_))]
            .setValue(true);
        w.Text_input.setText(randomText(random_));
        const unsigned long writtenBefore = serial_->osdWritten;
        endingWatch_->ending.clear();
        program_->cmd_button_Click(0);
        const std::string afterSave = w.lbl_txt_status.text();
        const bool written = serial_->osdWritten == writtenBefore + 1;
        if (written) writtenBy_.push_back(where());
        const std::string expected = written ? "Transfer Done." : "No Com Port";
        if (afterSave != expected) {
            fail("\"SAVE\" showed \"" + afterSave + "\" with the command " +
                 (written ? "written" : "not written") + ", allowed \"" + expected + "\"");
        }

        pauseFor(kIoPausedSteps);
        const int taken =
            steps([&] { return !endingWatch_->ending.empty(); }, kMostStepsPerTransfer);
        const std::string ending = taken < 0 ? w.lbl_txt_status.text() : endingWatch_->ending;
        ++endings_[std::string(faultName(fault)) + " -> " + ending];
        if (taken < 0 || acceptedEndings(fault).count(ending) == 0) {
            fail((taken < 0 ? "had no ending after " + std::to_string(kMostStepsPerTransfer) +
                                  " ticks, showing \""
                            : "ended \"") +
                 ending + "\", allowed " + quotedChoices(acceptedEndings(fault)));
        }
        recover(fault);
    }

    void prepare(Fault fault) {
        if (fault == Fault::Unplug) {
            retireDevice();
            // The control notices the hang-up and closes its port.
            ioWait([&] { return !control_->portOpen(); });
            return;
        }
        vanishesBefore_ = device_->vanishes();
        device_->setFaults(deviceOptions(fault, random_));
        if (fault == Fault::Silence) {
            // Answers already on their way (a delayed one, a poll's) would count for this
            // transfer: let them arrive and be read first.
            MainWindowModel& w = program_->frm_VQ72xx;
            pauseFor(kMostStepsPerTransfer);
            steps(
                [&] {
                    return settled() && serial_->inBufferCount() == 0 && w.state.RxWaitTicks == 0;
                },
                kMostStepsPerTransfer);
        }
        if (fault == Fault::Noise) {
            const std::string noise = sim::noiseBurst(random_);
            const unsigned long before = serial_->bytesRead;
            device_->transmit(noise);
            MainWindowModel& w = program_->frm_VQ72xx;
            pauseFor(kIoPausedSteps);
            steps(
                [&] {
                    return serial_->bytesRead >= before + noise.size() && w.state.RxWaitTicks == 0;
                },
                kIoPausedSteps);
        }
    }

    void recover(Fault fault) {
        if (fault == Fault::Vanish) {
            // The port goes right after the answer and comes back under the same link. A command
            // written as the port went (a poll right after the answer) is lost with it: written
            // off now, it keeps no later wait for the device from running out while the
            // program's ticks stand still. The vanishing is counted, as the port may be back
            // already; then the control must have let go of the old port: closed, or opened
            // again since (the old path was gone by then).
            ioWait([&] { return device_->vanishes() > vanishesBefore_; });
            const unsigned long opensBefore = serial_->opens;
            writeOffUnseen();
            device_->setFaults({});
            ioWait([&] {
                return !device_->portPath().empty() &&
                       (!control_->portOpen() || serial_->opens > opensBefore);
            });
            return;
        }
        if (fault == Fault::Unplug) startDevice();
        if (fault == Fault::Short || fault == Fault::Silence) {
            clearUnanswered();
            return;
        }
        device_->setFaults({});
        if (fault == Fault::Notice) {
            pauseFor(kIoPausedSteps);
            steps([&] { return noticeSeen(); }, kIoPausedSteps);
        }
    }

    // A poll written as the transfer ended (in the tick that gave its text up) gets no full
    // answer either. Until its debt is given up (one poll period), a text's answer would pay it:
    // one "CT-OK" cannot say whose it is, so the program shows "No Reply" rather than a "Done"
    // it cannot prove. The device takes what was written under the fault first, and the next
    // transfer starts once nothing is owed.
    void clearUnanswered() {
        awaitOwedReplies();
        device_->setFaults({});
        pauseFor(kMostStepsPerTransfer);
        if (steps([&] { return program_->frm_VQ72xx.state.Replies.empty(); },
                  kMostStepsPerTransfer) < 0) {
            fail("replies were still owed " + std::to_string(kMostStepsPerTransfer) +
                 " ticks after the fault ended, allowed none");
        }
    }

    // Whether one of the notices has been read since it was sent.
    bool noticeSeen() const {
        for (const char* token : {"BG001M", "Time=", "BGERA", "BGERR", "READY"}) {
            if (serial_->lastRead.find(token) != std::string::npos) return true;
        }
        return false;
    }

    // Steps the clock until `done`; -1 when `limit` steps pass first. Every tick must run.
    int steps(const std::function<bool()>& done, int limit) {
        MainWindowModel& w = program_->frm_VQ72xx;
        for (int i = 0; i < limit; ++i) {
            if (done()) return i;
            if (!w.tmr_Delay.enabled()) {
                fail("tick " + std::to_string(clock_->steps() + 1) +
                     " would not run (the delay timer is off), allowed: every tick runs");
                return -1;
            }
            clock_->step();
            longestTickMs_ = std::max(longestTickMs_, tick_.elapsed());
        }
        return done() ? limit : -1;
    }

    // Before each tick: pending serial events run; in real time the tick waits for its 25 ms.
    void between() {
        if (realTime_) {
            const qint64 due = kTickMs;
            while (pace_.isValid() && pace_.elapsed() < due) {
                QCoreApplication::processEvents();
                ::usleep(1000);
            }
            pace_.start();
        } else if (clock_->steps() < pausedUntilStep_) {
            QCoreApplication::processEvents();
            ::usleep(1000);
            awaitOwedReplies();
        }
        QCoreApplication::processEvents();
        ++progress_;
        tick_.start();
    }

    // Ticks faster than real time must not outrun the wire while the program waits for replies:
    // the next tick comes once the device has read every command and sent what it owes (or
    // kGiveUpWaitMs passed). Commands that cannot arrive end the wait: those written
    // to no device or to a port that has gone since the control opened it are counted lost as
    // they are written; when the port vanishes, whatever it had not read is lost with it (it
    // reads what arrived before it closes), and the wait ends at once so that the port's return
    // is still seen by the transfer. A closed port reads no answers, so it ends the wait too.
    void awaitOwedReplies() {
        if (!device_ || program_->frm_VQ72xx.state.Replies.empty()) return;
        const unsigned long arrived = framesSeen() - framesLost_;
        if (arrived + framesLost_ > serial_->commandsWritten) {
            framesLost_ =
                arrived < serial_->commandsWritten ? serial_->commandsWritten - arrived : 0;
        }
        QElapsedTimer waited;
        waited.start();
        while (!settled() && !device_->portPath().empty() && control_->portOpen() &&
               waited.elapsed() < kGiveUpWaitMs) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
        if (device_->portPath().empty()) writeOffUnseen();
        if (!settled() && waited.elapsed() >= kGiveUpWaitMs) {
            ++waitsGivenUp_;
            writeOffUnseen();
        }
    }

    // The frames the device logged, taken or not, and the commands known lost.
    unsigned long framesSeen() const {
        return static_cast<unsigned long>(ctsFrames_ + osdFrames_ + badFrames_) +
               (device_ ? device_->log().size() : 0) + framesLost_ + serial_->commandsLost;
    }

    // Whether the device has read every command and sent everything it owes.
    bool settled() const {
        return framesSeen() >= serial_->commandsWritten &&
               (!device_ || (device_->pendingAnswers() == 0 && device_->unreadByHost() == 0));
    }

    void writeOffUnseen() {
        if (framesSeen() < serial_->commandsWritten) {
            framesLost_ += serial_->commandsWritten - framesSeen();
        }
    }

    // The next `count` steps also wait 1 ms each for the device's bytes.
    void pauseFor(long count) { pausedUntilStep_ = clock_->steps() + count; }

    // Lets events run until `condition` holds, however long a busy machine takes; should it
    // never hold, the stall note says where, and the test's time limit ends the run.
    void ioWait(const std::function<bool()>& condition) {
        while (!condition()) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
    }

    void startDevice() {
        sim::Options options;
        options.linkPath = link_;
        options.noiseSeed = settings_.seed;
        device_ = std::make_unique<sim::SimulatedDevice>(options);
        device_->start();
    }

    void retireDevice() {
        if (!device_) return;
        device_->stop();
        takeLog();
        writeOffUnseen();  // the device read what arrived before it stopped
        device_.reset();
    }

    // Matches the device's frames with the commands written: OSD frames in order, no BAD one.
    void takeLog() {
        if (!device_) return;
        for (const std::string& line : device_->takeLog()) {
            if (line.rfind("BAD", 0) == 0) {
                ++badFrames_;
                fail("the device logged a bad frame \"" + line + "\", allowed none");
            } else if (line.rfind("OSD", 0) == 0) {
                ++osdFrames_;
                if (serial_->osdCommands.empty()) {
                    fail("the device got an OSD command nobody wrote \"" + line +
                         "\", allowed only written ones");
                    continue;
                }
                sim::Frame written;
                written.kind = sim::FrameKind::Osd;
                written.bytes = serial_->osdCommands.front();
                serial_->osdCommands.pop_front();
                const std::string writer = writtenBy_.front();
                writtenBy_.pop_front();
                if (sim::formatLogLine(written) != line) {
                    fail("its OSD command arrived as \"" + line + "\", allowed \"" +
                             sim::formatLogLine(written) + "\" (whole and in order)",
                         writer);
                }
            } else {
                ++ctsFrames_;
            }
        }
    }

    void report(long transfers, qint64 ms, long rssAfter) const {
        std::cout << "transfers: " << transfers << " in " << ms / 1000.0 << " s wall time ("
                  << clock_->steps() << " ticks; seed " << settings_.seed << ")\n"
                  << "faults:";
        for (const auto& [fault, count] : faults_)
            std::cout << " " << faultName(fault) << "=" << count;
        std::cout << "\nendings:\n";
        for (const auto& [ending, count] : endings_)
            std::cout << "  " << ending << ": " << count << "\n";
        std::cout << "frames at the device: " << osdFrames_ << " OSD, " << ctsFrames_ << " CTS, "
                  << badFrames_ << " BAD; OSD commands written: " << serial_->osdWritten
                  << "; commands lost with a gone port: " << framesLost_ + serial_->commandsLost
                  << "; waits for the device given up: " << waitsGivenUp_ << "\n"
                  << "slowest tick: " << longestTickMs_ << " ms\n"
                  << "VmRSS after warm-up: " << rssBefore_ << " kB, at the end: " << rssAfter
                  << " kB, growth: " << rssAfter - rssBefore_ << " kB\n";
    }

    // "transfer 412 (fault: delay)", or where the run stands outside the transfers.
    std::string where() const {
        const long index = transferNo_.load();
        if (index == kBeforeFirst) return "start-up";
        if (index == kAtEnd) return "end of the run";
        return "transfer " + std::to_string(index) + " (fault: " + faultName(fault_.load()) + ")";
    }

    void trace(const std::string& event) {
        trace_.push_back("tick " + std::to_string(clock_ ? clock_->steps() : 0) + ": " + event);
        if (trace_.size() > kTraceEvents) trace_.pop_front();
    }

    // Writes the failure at once, so that it shows even should the run hang afterwards.
    void fail(const std::string& what, const std::string& at = {}) {
        if (failures_ == 0) {
            std::cout << "soak: the last events before the first failure:\n";
            for (const std::string& event : trace_) std::cout << "  " << event << "\n";
        }
        if (++failures_ <= kMostFailuresShown) {
            std::cout << "soak: " << (at.empty() ? where() : at) << ": " << what << std::endl;
        }
    }

    RunSettings settings_;
    std::string link_;
    std::mt19937 random_;
    std::unique_ptr<sim::SimulatedDevice> device_;
    std::unique_ptr<QtSerialControl> control_;
    std::unique_ptr<RecordingSerialControl> serial_;
    test::FakeSettingsBacking backing_;
    test::FakeShell shell_;
    test::FakeAppServices app_;  // no other instance; its events are dropped each transfer
    test::FakeWindowSystem windows_;
    MainWindowModel window_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<test::ManualClock> clock_;
    std::unique_ptr<EndingWatch> endingWatch_;

    static constexpr long kBeforeFirst = -1;
    static constexpr long kAtEnd = -2;
    static constexpr long kMostFailuresShown = 20;
    std::atomic<long> transferNo_{kBeforeFirst};  // also read by the stall note's thread
    std::atomic<Fault> fault_{Fault::None};
    std::atomic<unsigned long> progress_{0};  // grows with every tick
    std::string openedPath_;                  // the device port the control opened last
    bool realTime_ = false;
    long pausedUntilStep_ = 0;          // steps before this one also wait 1 ms for I/O
    unsigned long vanishesBefore_ = 0;  // the device's vanishings when the fault was set
    unsigned long framesLost_ = 0;      // commands written that no device ever read
    QElapsedTimer pace_;
    QElapsedTimer tick_;
    qint64 longestTickMs_ = 0;
    std::deque<std::string> trace_;      // the last kTraceEvents events
    std::deque<std::string> writtenBy_;  // the transfer of each command in osdCommands
    std::map<Fault, long> faults_;
    std::map<std::string, long> endings_;
    long osdFrames_ = 0;
    long ctsFrames_ = 0;
    long badFrames_ = 0;
    long rssBefore_ = -1;
    long failures_ = 0;
    long waitsGivenUp_ = 0;
};

}  // namespace
}  // namespace vq72::soak

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vq72::soak::RunSettings settings;
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << vq72::soak::kUsage;
        return 0;
    }
    if (!vq72::soak::parse(argc, argv, settings)) {
        std::cerr << vq72::soak::kUsage;
        return 64;
    }
    char pattern[] = "/tmp/vq72-soak-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) return 1;
    int status = 1;
    {
        vq72::soak::Soak soak(settings, pattern);
        status = soak.run();
    }
    std::filesystem::remove_all(pattern);
    return status;
}
