#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/osd_rig.h"

namespace vq72 {
namespace {

using Strings = std::vector<std::string>;

TEST(OsdTransfer, WhileTheWindowLoadsNothingHappens) {
    test::OsdRig r;
    r.w.state.FormLoading = true;
    std::string text = "  HI ";
    r.transfer.String_2_VQ7240(r.w.state.LocationCode, r.w.state.ColorCode, text);
    EXPECT_TRUE(r.send.commands.empty());
    EXPECT_TRUE(r.status.texts.empty());
    EXPECT_EQ(text, "  HI ");
    EXPECT_EQ(r.w.state.TextSentPending, 0);
    EXPECT_TRUE(r.app.events.empty());
}

TEST(OsdTransfer, WrittenCommandShowsTransferDoneAndAwaitsTheAcknowledgement) {
    test::OsdRig r;
    bool busyDuringSend = false;
    MousePointer pointerDuringSend = MousePointer::Default;
    r.send.onSend = [&] {
        busyDuringSend = r.w.state.TextTransferBusy;
        pointerDuringSend = r.w.mousePointer();
    };
    bool busyAtDoEvents = true;
    r.app.onDoEvents = [&] { busyAtDoEvents = r.w.state.TextTransferBusy; };

    std::string text = " HI  ";
    r.transfer.String_2_VQ7240(r.w.state.LocationCode, r.w.state.ColorCode, text);

    EXPECT_EQ(text, "HI");
    ASSERT_EQ(r.send.commands.size(), 1u);
    EXPECT_EQ(r.send.commands[0].substr(4, 20), std::string(9, ' ') + "HI" + std::string(9, ' '));
    EXPECT_EQ(r.status.texts, (Strings{"Sending Text.", "Transfer Done."}));
    EXPECT_EQ(r.w.state.TextSentPending, 1);
    EXPECT_TRUE(busyDuringSend);
    EXPECT_EQ(pointerDuringSend, MousePointer::Busy);
    EXPECT_FALSE(r.w.state.TextTransferBusy);
    EXPECT_EQ(r.w.mousePointer(), MousePointer::Default);
    EXPECT_EQ(r.doEventsCount(), 1);
    EXPECT_FALSE(busyAtDoEvents);
}

TEST(OsdTransfer, CommandNotWrittenShowsNoComPortAndAwaitsNothing) {
    test::OsdRig r;
    r.send.writes = false;
    std::string text = "HI";
    r.transfer.String_2_VQ7240(r.w.state.LocationCode, r.w.state.ColorCode, text);
    EXPECT_EQ(r.status.texts, (Strings{"Sending Text.", "No Com Port"}));
    EXPECT_EQ(r.w.state.TextSentPending, 0);
    EXPECT_FALSE(r.w.state.TextTransferBusy);
    EXPECT_EQ(r.w.mousePointer(), MousePointer::Default);
    EXPECT_EQ(r.doEventsCount(), 1);
}

}  // namespace
}  // namespace vq72
