// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/about_window.h"
#include "support/fakes.h"

namespace vq72 {
namespace {

// Points of the client area, in twips (Frame1's children lie 120 twips in).
constexpr int kPictureX = 6000, kPictureY = 600;        // img_fuzzy only
constexpr int kVersionX = 2797, kVersionY = 1807;       // txt_version over the picture
constexpr int kFrameStripX = 500, kFrameStripY = 4060;  // Frame1 below the picture
constexpr int kCreditsX = 4180, kCreditsY = 2860;       // lblPendric when shown
constexpr int kUrlX = 700, kUrlY = 3580;                // lblurl, under the picture
constexpr int kPastFrameX = 7140;  // the margin right of Frame1, where the picture is clipped

struct AboutRig {
    WindowState mainState;
    test::FakeShell shell;
    AboutWindowModel w;
    int closeRequests = 0;
    AboutWindow about{w, mainState, shell, [this] { ++closeRequests; }};

    explicit AboutRig(bool fromMenu) {
        mainState.AboutFromMenu = fromMenu;
        about.Form_Load();
    }
    AboutRig(const AboutRig&) = delete;
    AboutRig& operator=(const AboutRig&) = delete;

    // One tick of Timer1, delivered as the timer driver does: only while it runs.
    void tick() {
        if (w.Timer1.enabled()) about.Timer1_Timer();
    }
    // Ticks until the window asks to close; returns that tick's number, -1 within `limit`.
    int ticksUntilClosed(int limit) {
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (closeRequests > 0) return n;
        }
        return -1;
    }
    void dragFromPictureToVersionText() {
        about.mouseDown(kPictureX, kPictureY);
        about.mouseMove();
        about.mouseUp(kVersionX, kVersionY);
    }
};

TEST(AboutWindow, ClosesOnItsThirdTickAsSplashAndOnIts601stFromTheMenu) {
    AboutRig splash(false);
    EXPECT_FALSE(splash.w.lblPendric.visible());  // the credits wait for their drag
    EXPECT_EQ(splash.ticksUntilClosed(1000), 3);
    AboutRig fromMenu(true);
    EXPECT_EQ(fromMenu.ticksUntilClosed(1000), 601);
}

TEST(AboutWindow, ADragOrAHeldButtonRevealsTheCreditsAndKeepsItOpenUntilTheNextTick) {
    AboutRig r(false);
    r.about.mouseDown(kPictureX, kPictureY);
    for (int n = 0; n < 10; ++n) r.tick();
    EXPECT_EQ(r.closeRequests, 0);
    EXPECT_TRUE(r.w.lblPendric.visible());
    r.about.mouseUp(kVersionX, kVersionY);  // over another control: no click
    // Released over the credits now shown above the picture: still not a click.
    r.about.mouseDown(kPictureX, kPictureY);
    r.about.mouseUp(kCreditsX, kCreditsY);
    EXPECT_EQ(r.closeRequests, 0);
    EXPECT_EQ(r.ticksUntilClosed(5), 1);
}

TEST(AboutWindow, CreditsAreHiddenOnEvery13thCountedTick) {
    AboutRig r(true);
    std::vector<int> hiddenAfter;
    for (int n = 1; n <= 40; ++n) {
        r.dragFromPictureToVersionText();  // revealed again before every tick
        r.tick();
        if (!r.w.lblPendric.visible()) hiddenAfter.push_back(n);
    }
    EXPECT_EQ(hiddenAfter, (std::vector<int>{13, 26, 39}));
}

TEST(AboutWindow, PressAndReleaseOverTheSameControlIsItsClick) {
    const struct {
        const char* what;
        int x, y;
        int closes;
    } cases[] = {
        {"picture", kPictureX, kPictureY, 1},
        {"strip of Frame1", kFrameStripX, kFrameStripY, 1},
        {"version text takes no clicks", kVersionX, kVersionY, 0},
        {"picture clipped by Frame1", kPastFrameX, kPictureY, 0},
        {"web address lies under the picture", kUrlX, kUrlY, 1},
    };
    for (const auto& c : cases) {
        AboutRig r(true);
        r.about.mouseDown(c.x, c.y);
        r.about.mouseUp(c.x, c.y);
        EXPECT_EQ(r.closeRequests, c.closes) << c.what;
        EXPECT_TRUE(r.shell.opened.empty()) << c.what;
    }
}

TEST(AboutWindow, ClickHandlersOpenTheirLinkAndAKeyWithACharacterCloses) {
    AboutRig r(true);
    r.about.Control_Click(r.w.lblemail);
    r.about.Control_Click(r.w.lblurl);
    r.about.Form_KeyPress(0);
    EXPECT_EQ(r.shell.opened,
              (std::vector<std::string>{"mailto:sales@example.com", "https://www.example.com"}));
    EXPECT_EQ(r.closeRequests, 0);
    r.about.Form_KeyPress(' ');
    EXPECT_EQ(r.closeRequests, 1);
}

}  // namespace
}  // namespace vq72
