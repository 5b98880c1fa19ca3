// SPDX-License-Identifier: MIT
// The line of the simulator's screen that the window's demo reads.
#include <gtest/gtest.h>

#include "platform/simulator/simulator_screen.h"
#include "sim/screen.h"

namespace vq72::sim {
namespace {

TEST(ScreenLine, TheDemoReadsEveryScreenAsTheSimulatorPrintsIt) {
    using Colours = SimulatorScreen::Colours;
    const struct {
        Screen screen;
        Colours colours;
    } cases[] = {
        {{}, Colours::None},
        {{"  HELLO             ", 3, 2, ColourScheme::BlackOnWhite}, Colours::BlackOnWhite},
        {{"VQ7240              ", 1, 3, ColourScheme::WhiteOnBlack}, Colours::WhiteOnBlack}};
    for (const auto& c : cases) {
        const std::string line = screenLine(c.screen);
        const auto read = parseScreenLine(line.substr(0, line.size() - 1));
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(read->text, c.screen.text);
        EXPECT_EQ(read->row, c.screen.row);
        EXPECT_EQ(read->column, c.screen.column);
        EXPECT_EQ(read->colours, c.colours);
    }
    EXPECT_FALSE(parseScreenLine("port: /dev/pts/3"));
}

}  // namespace
}  // namespace vq72::sim
