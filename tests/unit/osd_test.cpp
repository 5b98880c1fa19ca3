// SPDX-License-Identifier: MIT
// The OSD text side of the window: the text box, the options, the buttons and the transfer.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

#include "osd/action_buttons.h"
#include "osd/display_options.h"
#include "osd/text_entry.h"
#include "support/ready_link.h"
#include "support/status_history.h"

namespace vq72 {
namespace {

TEST(TextInputKeyPress, FiltersAndUpperCasesTypedKeys) {
    const std::string full(20, 'A');
    const struct {
        const char* what;
        std::string boxText;
        int selection;
        int key;
        int expected;
    } cases[] = {
        {"z is the last accepted character", "", 0, 'z', 'Z'},
        {"open brace refused", "", 0, '{', 0},
        {"nineteen characters take one more", std::string(19, 'A'), 0, 'b', 'B'},
        {"full box refuses a letter", full, 0, 'b', 0},
        {"full box takes backspace", full, 0, 8, 8},
        {"full box with a selection lets a key replace it", full, 3, 'b', 'B'},
    };
    for (const auto& c : cases) {
        MainWindowModel w;
        TextEntry entry{w.Text_input};
        w.Text_input.setText(c.boxText);
        w.Text_input.setSelectionLength(c.selection);
        int key = c.key;
        entry.Text_input_KeyPress(key);
        EXPECT_EQ(key, c.expected) << c.what;
    }
}

TEST(TextInputInsert, PastedTextLosesControlCharactersAndEverythingAboveLowerZ) {
    EXPECT_EQ(TextEntry::Text_input_Insert("a\x13"
                                           "B\r\nc\tz{|}~\x7f caf\xC3\xA9 \xE2\x82\xAC"
                                           "5"),
              "ABCZ CAF 5");
}

const std::string kDLE(1, '\x10');
const std::string kACK(1, '\x06');

// The options run row by row (top, middle, bottom), each row left, centre, right; the box
// aligns the text as the device will place it.
TEST(OptLocationClick, EachPositionSetsItsRowColumnCodeAndAlignsTheBox) {
    const TextAlign byColumn[] = {TextAlign::Left, TextAlign::Centre, TextAlign::Right};
    for (int index = 0; index < 9; ++index) {
        test::Harness h;
        h.program.Form_Load();
        // Leave the start-up choice first, so that every index is reached by a change.
        h.w.opt_location[index == 0 ? 8 : 0].setValue(true);
        h.w.opt_location[index].setValue(true);
        const std::string code = std::to_string(index / 3 + 1) + std::to_string(index % 3 + 1);
        EXPECT_EQ(h.w.state.LocationCode, kDLE + code) << "index " << index;
        EXPECT_EQ(h.w.Text_input.alignment(), byColumn[index % 3]) << "index " << index;
        EXPECT_EQ(h.w.state.TextAlignment, static_cast<int>(byColumn[index % 3]));
    }
}

TEST(OptBkWtClick, BlackOnWhiteThenWhiteOnBlackGiveEightThenSeven) {
    MainWindowModel w;
    DisplayOptions options{w.Text_input, w.state};
    options.opt_BK_WT_Click(1);
    EXPECT_EQ(w.state.ColorCode, kACK + "8");
    options.opt_BK_WT_Click(0);
    EXPECT_EQ(w.state.ColorCode, kACK + "7");
    w.state.ColorCode = "untouched";
    options.opt_BK_WT_Click(0);  // the choice already made
    EXPECT_EQ(w.state.ColorCode, "untouched");
}

using Strings = std::vector<std::string>;

// A loaded program whose port 1 is ready, the status line recorded from here on.
struct ReadyOsd : test::ReadyProgram {
    ReadyOsd() {
        EXPECT_TRUE(prepare());
        status.texts.clear();
    }
    test::StatusHistory status{h.w};
};

// The window is busy while the command is written and free again when the events run after it;
// only a text that was written awaits its reply.
TEST(CmdButtonClick, SaveSendsTheTypedTextWithSaveAndExitDisabledMeanwhile) {
    for (const bool written : {true, false}) {
        SCOPED_TRACE(written);
        ReadyOsd r;
        if (!written) r.h.serial.failures.fail("output", 9005, "Input/output error");
        r.h.w.Text_input.setText("  HELLO ");
        std::vector<bool> enabledDuringSend;
        bool busyDuringSend = false;
        MousePointer pointerDuringSend = MousePointer::Default;
        r.h.serial.onOutput = [&] {
            for (const Control& b : r.h.w.cmd_button) enabledDuringSend.push_back(b.enabled());
            busyDuringSend = r.h.w.state.TextTransferBusy;
            pointerDuringSend = r.h.w.mousePointer();
        };
        bool busyAtDoEvents = true;
        r.h.app.onDoEvents = [&] { busyAtDoEvents = r.h.w.state.TextTransferBusy; };
        r.h.program.cmd_button_Click(ActionButtons::kSave);

        const std::string expected = std::string("CTT\x14") + std::string(7, ' ') + "HELLO" +
                                     std::string(8, ' ') +
                                     "\x10"
                                     "12\x06"
                                     "3\x06"
                                     "4\x13\r\n";
        if (written) {
            EXPECT_EQ(r.h.serial.written.back(), expected);
        }
        EXPECT_EQ(r.status.texts, (Strings{"Programming", "Sending Text.",
                                           written ? "Transfer Done." : "No Com Port"}));
        EXPECT_EQ(enabledDuringSend, (std::vector<bool>{false, false, true}));  // SAVE, EXIT, BLANK
        EXPECT_TRUE(busyDuringSend);
        EXPECT_EQ(pointerDuringSend, MousePointer::Busy);
        for (const Control& b : r.h.w.cmd_button) EXPECT_TRUE(b.enabled());
        EXPECT_FALSE(r.h.w.state.TextTransferBusy);
        EXPECT_EQ(r.h.w.mousePointer(), MousePointer::Default);
        EXPECT_EQ(std::count(r.h.app.events.begin(), r.h.app.events.end(), "doEvents"), 1);
        EXPECT_FALSE(busyAtDoEvents);
        EXPECT_EQ(r.h.w.state.TextSentPending, written ? 1 : 0);
    }
}

TEST(CmdButtonClick, ExitShowsExitingAndClosesTheMainWindow) {
    ReadyOsd r;
    const std::size_t written = r.h.serial.written.size();
    r.h.program.cmd_button_Click(ActionButtons::kExit);
    EXPECT_EQ(r.status.texts, Strings{"Exiting"});
    EXPECT_EQ(r.h.windows.events.back(), "closeMainWindow");
    EXPECT_EQ(r.h.serial.written.size(), written);
}

}  // namespace
}  // namespace vq72
