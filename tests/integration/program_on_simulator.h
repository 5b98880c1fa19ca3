// The whole program against the simulated device (support/program_on_link.h) as a test
// fixture, with the reports recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_on_link.h"
#include "support/report_spy.h"

namespace vq72::test {

class ProgramOnSimulator : public testing::Test, protected ProgramOnLink {
protected:
    static constexpr int kSettleLimitTicks = 200;
    // From one "CTS" to the next, plus a few ticks for the reply's quiet time.
    static constexpr int kPollLimitTicks = 110;
    static constexpr const char* kFound = "VQ72xx Found";
    using Report = ReportSpy::Report;

    ProgramOnSimulator() = default;
    explicit ProgramOnSimulator(std::string portEntry) : ProgramOnLink(std::move(portEntry)) {}

    void TearDown() override {
        EXPECT_FALSE(lineFailed())
            << "the device did not take every command, or its answers did not reach the program";
    }

    // Ticks until the port has settled after its opening.
    bool portSettles() {
        return stepUntil([&] { return w.state.PortReady; }, kSettleLimitTicks);
    }
    // Ticks until the program writes its next command.
    bool nextWriteWithin(int limit) {
        const std::size_t before = serial.written.size();
        return stepUntil([&] { return serial.written.size() > before; }, limit);
    }
    // The reports that showed the error panel (port-scan probes fill it silently).
    std::vector<Report> shownReports() const {
        std::vector<Report> shown;
        for (const auto& r : reports.reports) {
            if (r.title != ReportRoutine::kQuietTitle) shown.push_back(r);
        }
        return shown;
    }

    ReportSpy reports{w};
};

}  // namespace vq72::test
