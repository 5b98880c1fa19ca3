#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lifecycle/start_up_splash.h"
#include "support/fakes.h"
#include "window/main_window_model.h"

namespace vq72 {
namespace {

using Strings = std::vector<std::string>;

struct SplashRig {
    MainWindowModel w;
    test::FakeWindowSystem windows;
    StartUpSplash splash{w.tmrSplash, w, w.state, windows};
    bool dropsDuringModal = true;
    bool fromMenuDuringModal = true;
    bool timerDuringModal = true;

    SplashRig() {
        w.tmrSplash.setEnabled(true);
        w.state.AboutFromMenu = true;  // left over from an earlier menu About
        windows.duringModal = [this] {
            dropsDuringModal = w.acceptsDrops();
            fromMenuDuringModal = w.state.AboutFromMenu;
            timerDuringModal = w.tmrSplash.enabled();
        };
    }
};

TEST(TmrSplashTimer, ShowsTheSplashModallyOnceAndRestoresDrops) {
    SplashRig r;
    r.splash.tmrSplash_Timer();
    EXPECT_EQ(r.windows.events, (Strings{"showAboutModal", "unloadAbout"}));
    EXPECT_FALSE(r.dropsDuringModal);
    EXPECT_FALSE(r.fromMenuDuringModal);
    EXPECT_FALSE(r.timerDuringModal);
    EXPECT_TRUE(r.w.acceptsDrops());

    r.w.tmrSplash.setEnabled(true);
    r.splash.tmrSplash_Timer();
    EXPECT_EQ(r.windows.events.size(), 2u);
}

}  // namespace
}  // namespace vq72
