// The fault soak: the program's logic with the real Qt serial control against the simulated
// device, transfer after transfer from "SAVE", under faults drawn from a fixed seed. Ticks come
// from the manual clock; every tenth transfer runs its ticks in real time, because byte timing
// (a paced line, a reply split across ticks) only means something when a tick lasts 25 ms.
//
// Passes when: the device logged no BAD frame; every OSD command the program wrote arrived
// whole and in order; every transfer ended as its fault allows (fault_plan.h); every tick ran
// and none hung (5 s); the resident memory grew less than 1 MB after warm-up.
//
// vq72_soak [--transfers N] [--max-seconds S] [--seed N] [--real-time-every K]
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <charconv>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string_view>

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
// A tick this long means the program stopped answering (generous: the machine may be loaded).
constexpr qint64 kLongestTickMs = 5000;
constexpr int kMostStepsPerTransfer = 1400;  // beyond the watchdog's 1200 ticks
constexpr int kIoPausedSteps = 400;          // steps after "SAVE" that also wait 1 ms for I/O
constexpr int kSettleSteps = 400;
constexpr qint64 kIoBoundMs = 3000;
constexpr qint64 kLongestDelayMs = 300;  // the longest reply delay of fault_plan.cpp
const std::string kLinkName = "port";
const std::set<std::string> kEndings{"Done", "No Reply", "No Com Port", "No Device"};

struct RunSettings {
    long transfers = 1000;
    double maxSeconds = 170;
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
                        : name == "--max-seconds"     ? read(s.maxSeconds)
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

// The first status of a transfer's endings shown since the last reset: a batch can show "Done"
// and, from a poll's answer in the same batch, "VQ72xx Found" right after it.
class EndingWatch : public MainWindowListener {
public:
    explicit EndingWatch(const Control& status) : status_(status) {}
    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control != &status_ || property != ControlProperty::Text || !ending.empty()) return;
        if (kEndings.count(control.text()) > 0) ending = control.text();
    }
    std::string ending;

private:
    const Control& status_;
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
        app_.onDoEvents = [] { QCoreApplication::processEvents(); };
        backing_.values["HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\ComPort"] = " 1";
        program_ = std::make_unique<Program>(
            Platform{*serial_, backing_, shell_, app_, windows_, windows_});
        clock_ = std::make_unique<test::ManualClock>(program_->frm_VQ72xx, *program_);
        clock_->between = [this] { between(); };
        endingWatch_ = std::make_unique<EndingWatch>(program_->frm_VQ72xx.lbl_txt_status);
        program_->frm_VQ72xx.addListener(endingWatch_.get());
    }
    ~Soak() { program_->frm_VQ72xx.removeListener(endingWatch_.get()); }

    int run() {
        QElapsedTimer elapsed;
        elapsed.start();
        MainWindowModel& w = program_->frm_VQ72xx;
        program_->Form_Load();
        if (steps([&] { return w.state.PortReady; }, kSettleSteps) < 0) {
            fail("the port never became ready");
        }
        long done = 0;
        for (; done < settings_.transfers && failures_.empty(); ++done) {
            if (elapsed.elapsed() > static_cast<qint64>(settings_.maxSeconds * 1000)) break;
            realTime_ = settings_.realTimeEvery > 0 &&
                        done % settings_.realTimeEvery == settings_.realTimeEvery - 1;
            transfer(done);
            takeLog();
            if (done + 1 == kWarmUpTransfers) rssBefore_ = residentKb();
        }
        retireDevice();
        if (!serial_->osdCommands.empty()) {
            fail(std::to_string(serial_->osdCommands.size()) +
                 " written OSD commands never reached the device");
        }
        const long rssAfter = residentKb();
        report(done, elapsed.elapsed(), rssAfter);
        if (rssBefore_ > 0 && rssAfter - rssBefore_ >= kMostRssGrowthKb) {
            fail("resident memory grew by " + std::to_string(rssAfter - rssBefore_) + " kB");
        }
        if (longestTickMs_ >= kLongestTickMs) {
            fail("a tick took " + std::to_string(longestTickMs_) + " ms");
        }
        for (const auto& f : failures_) std::cout << "FAIL: " << f << "\n";
        std::cout << (failures_.empty() ? "PASS" : "FAIL") << std::endl;
        return failures_.empty() ? 0 : 1;
    }

private:
    void transfer(long index) {
        MainWindowModel& w = program_->frm_VQ72xx;
        app_.events.clear();
        const Fault fault = drawFault(random_, realTime_);
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
        if (written)
            writtenBy_.push_back("transfer " + std::to_string(index) + " (" + faultName(fault) +
                                 ")");
        if (afterSave != (written ? "Transfer Done." : "No Com Port")) {
            fail("transfer " + std::to_string(index) + " (" + faultName(fault) +
                 "): \"SAVE\" left \"" + afterSave + "\", command " +
                 (written ? "written" : "not written"));
        }

        pauseFor(kIoPausedSteps);
        const int taken =
            steps([&] { return !endingWatch_->ending.empty(); }, kMostStepsPerTransfer);
        const std::string ending = taken < 0 ? w.lbl_txt_status.text() : endingWatch_->ending;
        ++endings_[std::string(faultName(fault)) + " -> " + ending];
        if (taken < 0 || acceptedEndings(fault).count(ending) == 0) {
            fail("transfer " + std::to_string(index) + " (" + faultName(fault) + ") ended \"" +
                 ending + "\"" + (taken < 0 ? " and never finished" : ""));
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
        device_->setFaults(deviceOptions(fault, random_));
        if (fault == Fault::Silence) {
            // Answers already on their way (a delayed one, a poll's) would count for this
            // transfer: let them arrive and be read first.
            QElapsedTimer quiet;
            quiet.start();
            MainWindowModel& w = program_->frm_VQ72xx;
            pauseFor(kMostStepsPerTransfer);
            steps(
                [&] {
                    return quiet.elapsed() > kLongestDelayMs + kTickMs && w.state.RxWaitTicks == 0;
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
            // The port goes right after the answer and comes back under the same link; the
            // control has closed the old one by then.
            ioWait([&] { return device_->portPath().empty(); });
            device_->setFaults({});
            ioWait([&] { return !device_->portPath().empty() && !control_->portOpen(); });
            return;
        }
        if (fault == Fault::Unplug) startDevice();
        device_->setFaults({});
        if (fault == Fault::Notice) {
            pauseFor(kIoPausedSteps);
            steps([&] { return noticeSeen(); }, kIoPausedSteps);
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
            w.lbl_count.setText("-");
            clock_->step();
            longestTickMs_ = std::max(longestTickMs_, tick_.elapsed());
            if (w.lbl_count.text() == "-" || !w.tmr_Delay.enabled()) {
                fail("tick " + std::to_string(clock_->steps()) + " did not run");
                return -1;
            }
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
        tick_.start();
    }

    // Ticks faster than real time must not outrun the wire while the program waits for replies:
    // the next tick comes once the device has read every command and sent what it owes. A wait
    // in vain (a command lost with a vanishing port) is written off, so it costs time once; a
    // vanished port ends the wait at once, so that its return is still seen by the transfer.
    void awaitOwedReplies() {
        if (!device_ || program_->frm_VQ72xx.state.RepliesOwed == 0) return;
        const auto framesSeen = [&] {
            return static_cast<unsigned long>(ctsFrames_ + osdFrames_ + badFrames_) +
                   device_->log().size() + framesLost_;
        };
        QElapsedTimer waited;
        waited.start();
        const auto settled = [&] {
            return framesSeen() >= serial_->commandsWritten && device_->pendingAnswers() == 0 &&
                   device_->unreadByHost() == 0;
        };
        while (!settled() && !device_->portPath().empty() &&
               waited.elapsed() < kLongestDelayMs * 2) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
        if (framesSeen() < serial_->commandsWritten) {
            framesLost_ += serial_->commandsWritten - framesSeen();
        }
    }

    // The next `count` steps also wait 1 ms each for the device's bytes.
    void pauseFor(long count) { pausedUntilStep_ = clock_->steps() + count; }

    // Lets events run until `condition` holds, within a bound on real time.
    void ioWait(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition() && waited.elapsed() < kIoBoundMs) {
            QCoreApplication::processEvents();
            ::usleep(1000);
        }
        if (!condition()) fail("waited in vain for the port");
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
        device_.reset();
    }

    // Matches the device's frames with the commands written: OSD frames in order, no BAD one.
    void takeLog() {
        if (!device_) return;
        for (const std::string& line : device_->takeLog()) {
            if (line.rfind("BAD", 0) == 0) {
                ++badFrames_;
                fail("the device received a bad frame: " + line);
            } else if (line.rfind("OSD", 0) == 0) {
                ++osdFrames_;
                if (serial_->osdCommands.empty()) {
                    fail("the device got an OSD command nobody wrote: " + line);
                    continue;
                }
                sim::Frame written;
                written.kind = sim::FrameKind::Osd;
                written.bytes = serial_->osdCommands.front();
                serial_->osdCommands.pop_front();
                const std::string writer = writtenBy_.front();
                writtenBy_.pop_front();
                if (sim::formatLogLine(written) != line) {
                    fail("the command of " + writer + " never arrived whole: written " +
                         sim::formatLogLine(written) + ", arrived " + line);
                }
            } else {
                ++ctsFrames_;
            }
        }
    }

    void report(long transfers, qint64 ms, long rssAfter) const {
        std::cout << "transfers: " << transfers << " in " << ms / 1000.0 << " s ("
                  << clock_->steps() << " ticks)\n"
                  << "faults:";
        for (const auto& [fault, count] : faults_)
            std::cout << " " << faultName(fault) << "=" << count;
        std::cout << "\nendings:\n";
        for (const auto& [ending, count] : endings_)
            std::cout << "  " << ending << ": " << count << "\n";
        std::cout << "frames at the device: " << osdFrames_ << " OSD, " << ctsFrames_ << " CTS, "
                  << badFrames_ << " BAD; OSD commands written: " << serial_->osdWritten << "\n"
                  << "longest tick: " << longestTickMs_ << " ms\n"
                  << "VmRSS after warm-up: " << rssBefore_ << " kB, at the end: " << rssAfter
                  << " kB, growth: " << rssAfter - rssBefore_ << " kB\n";
    }

    void fail(const std::string& what) {
        if (failures_.size() < 20) failures_.push_back(what);
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
    std::unique_ptr<Program> program_;
    std::unique_ptr<test::ManualClock> clock_;
    std::unique_ptr<EndingWatch> endingWatch_;

    bool realTime_ = false;
    long pausedUntilStep_ = 0;      // steps before this one also wait 1 ms for I/O
    unsigned long framesLost_ = 0;  // commands written that no device ever read
    QElapsedTimer pace_;
    QElapsedTimer tick_;
    qint64 longestTickMs_ = 0;
    std::deque<std::string> writtenBy_;  // the transfer of each command in osdCommands
    std::map<Fault, long> faults_;
    std::map<std::string, long> endings_;
    long osdFrames_ = 0;
    long ctsFrames_ = 0;
    long badFrames_ = 0;
    long rssBefore_ = -1;
    std::vector<std::string> failures_;
};

}  // namespace
}  // namespace vq72::soak

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vq72::soak::RunSettings settings;
    if (!vq72::soak::parse(argc, argv, settings)) {
        std::cerr << "usage: vq72_soak [--transfers N] [--max-seconds S] [--seed N] "
                     "[--real-time-every K]\n";
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
