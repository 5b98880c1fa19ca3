// The device's notices, each sent after a reply as a burst of its own, through the whole program.
#include <gtest/gtest.h>

#include "program_on_simulator.h"

namespace vq72::test {
namespace {

class DeviceNotices : public ProgramOnSimulator {
protected:
    // One poll: its reply is interpreted, then the notice that follows it arrives and its quiet
    // time passes. Records whether the notice was still on its way when the reply was taken.
    void exchange() {
        w.lbl_txt_status.setText("");
        ASSERT_TRUE(nextWriteWithin(kPollLimitTicks));
        ASSERT_TRUE(statusWithin(kFound, kPollLimitTicks));
        noticeCameApart = device().pendingBursts() > 0;
        ASSERT_TRUE(deviceHasSentEverything());
        clock.run(ReplyReader::kQuietTicks + 1);
        EXPECT_EQ(w.lbl_txt_status.text(), kFound);
    }

    bool noticeCameApart = false;
};

// A notice travels alone, so only a line of 11 bytes or more (CR LF included) is interpreted.
TEST_F(DeviceNotices, EachNoticeHasItsVisibleResultAndTheLogoModelIsStoredOnce) {
    const Report erased{"Task Done", "Image 0 is now erased."};
    const Report failed{"Task incomplete", "A file transfer error has occured."};
    const std::string logoModel = settingPath("LG_Model");
    sim::Options options;
    options.notices = {"BGERA done", "BGERR abort",  "BG001M ready",
                       "Time=12:00", "BG001M ready", "BGERA"};
    start(options);
    ASSERT_TRUE(portSettles());

    exchange();
    EXPECT_EQ(shownReports(), (std::vector<Report>{erased}));
    EXPECT_EQ(w.caption(), "VQ72_OSD (VQ72xx Found)");

    exchange();
    EXPECT_EQ(shownReports(), (std::vector<Report>{erased, failed}));

    exchange();
    EXPECT_EQ(w.caption(), "VQ72_OSD");
    EXPECT_EQ(settings.writesTo(logoModel), 1);
    EXPECT_EQ(settings.read(logoModel), "5");

    exchange();  // "Time=" changes nothing: the reply's caption stays
    EXPECT_EQ(w.caption(), "VQ72_OSD (VQ72xx Found)");
    EXPECT_EQ(shownReports(), (std::vector<Report>{erased, failed}));

    exchange();  // a second "BG001M" resets the caption but stores nothing
    EXPECT_EQ(w.caption(), "VQ72_OSD");
    EXPECT_EQ(settings.writesTo(logoModel), 1);

    exchange();  // a bare "BGERA" CR LF is 7 bytes: dropped when it comes alone
    if (noticeCameApart) {
        EXPECT_EQ(shownReports(), (std::vector<Report>{erased, failed}));
    } else {
        EXPECT_EQ(shownReports(), (std::vector<Report>{erased, failed, erased}));
    }
}

}  // namespace
}  // namespace vq72::test
