// A record of the status line for tests that check when each text appeared.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/manual_clock.h"
#include "window/main_window_model.h"

namespace vq72::test {

// Every text the status line showed, with the clock step at which it appeared.
class StatusTimeline : public MainWindowListener {
public:
    StatusTimeline(MainWindowModel& window, const ManualClock& clock) : w_(window), clock_(clock) {
        w_.addListener(this);
    }
    ~StatusTimeline() override { w_.removeListener(this); }
    StatusTimeline(const StatusTimeline&) = delete;
    StatusTimeline& operator=(const StatusTimeline&) = delete;

    std::vector<std::pair<long, std::string>> entries;

    // The step at which `text` was first shown, -1 when never.
    long firstStep(const std::string& text) const {
        for (const auto& [step, shown] : entries) {
            if (shown == text) return step;
        }
        return -1;
    }
    // The texts shown from entry `from` on.
    std::vector<std::string> textsFrom(std::size_t from) const {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < entries.size(); ++i) texts.push_back(entries[i].second);
        return texts;
    }

    void controlChanged(const Control& control, ControlProperty property) override {
        if (&control == &w_.lbl_txt_status && property == ControlProperty::Text) {
            entries.emplace_back(clock_.steps(), control.text());
        }
    }

private:
    MainWindowModel& w_;
    const ManualClock& clock_;
};

}  // namespace vq72::test
