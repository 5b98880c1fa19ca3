// SPDX-License-Identifier: MIT
// The timer driver may sleep until the next tick that can change anything and run the ticks in
// between late: a scripted session, once tick by tick and once woken only when a tick is due or
// an event comes, must show the same texts, colours, writes and closes at the same times.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "osd/action_buttons.h"
#include "support/harness.h"

namespace vq72 {
namespace {

constexpr long kSessionTicks = 4000;
constexpr const char* kReply = "VQ7240 CT-OK\r\n";

// The session: the device answers every write two ticks later unless silent; "HELLO" is saved at
// tick 300; the device falls silent at 600 ("No Device", the port dropped); the port vanishes
// at 2300 (a report and its panel) and returns at 2700; the device answers again from 2800.
struct Session : private MainWindowListener {
    test::Harness h;
    long now = 0;
    bool silent = false;
    std::size_t callsSeen = 0;
    std::vector<std::string> timeline;
    std::multimap<long, std::function<void()>> events;  // each runs after the tick of its time

    Session() {
        h.w.addListener(this);
        h.serial.present = {1};
        h.settings.values[test::Harness::path("ComPort")] = " 1";
        h.serial.onOutput = [this] {
            if (!silent) events.emplace(now + 2, [this] { h.serial.arrive(kReply); });
        };
        events.emplace(300, [this] {
            h.w.Text_input.setText("HELLO");
            h.program.cmd_button_Click(ActionButtons::kSave);
        });
        events.emplace(600, [this] { silent = true; });
        events.emplace(2300, [this] {
            h.serial.present.clear();
            h.serial.setPortOpen(false);
            h.serial.raise(comm_event::kPortLost);
        });
        events.emplace(2700, [this] { h.serial.present = {1}; });
        events.emplace(2800, [this] { silent = false; });
        h.program.Form_Load();
    }
    ~Session() override { h.w.removeListener(this); }
    long nextEvent() const { return events.empty() ? kSessionTicks : events.begin()->first; }
    // Runs the events of time `now` and notes the serial calls made since the last look.
    void settle() {
        for (auto it = events.begin(); it != events.end() && it->first == now;) {
            auto event = std::move(it->second);
            it = events.erase(it);
            event();
        }
        for (; callsSeen < h.serial.calls.size(); ++callsSeen)
            timeline.push_back(std::to_string(now) + " " + h.serial.calls[callsSeen]);
    }
    void controlChanged(const Control& c, ControlProperty) override {
        timeline.push_back(std::to_string(now) + " " + c.name() + " \"" + c.text() + "\" " +
                           std::to_string(c.backColour()) + (c.visible() ? " shown" : " hidden"));
    }
};

TEST(TickTimeline, SleepingUntilTheNextDueTickShowsWhatTickingEveryTickShows) {
    Session everyTick;
    for (everyTick.now = 1; everyTick.now <= kSessionTicks; ++everyTick.now) {
        everyTick.h.clock.step();
        everyTick.settle();
    }
    Session sleeping;
    TickClock& clock = sleeping.h.clock.ticks();
    int wakeUps = 0;
    while (sleeping.now < kSessionTicks) {
        sleeping.now = std::min({clock.nextDueTick(), sleeping.nextEvent(), kSessionTicks});
        clock.runTo(sleeping.now);
        sleeping.settle();
        ++wakeUps;
    }
    EXPECT_EQ(sleeping.timeline, everyTick.timeline);
    EXPECT_GT(everyTick.timeline.size(), 100u) << "the session did little";
    EXPECT_LT(wakeUps, kSessionTicks / 10) << "the driver hardly slept";
}

}  // namespace
}  // namespace vq72
