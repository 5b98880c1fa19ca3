#include "device/settings_store.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72 {
namespace {

TEST(SettingsStorePath, LeavesOutEmptyTitleAndSectionWithTheirSeparators) {
    const std::string root = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\";
    EXPECT_EQ(SettingsStore::buildPath("VQ72_OSD", "FormInit", "ComPort"),
              root + "VQ72_OSD\\FormInit\\ComPort");
    EXPECT_EQ(SettingsStore::buildPath("", "FormInit", "ComPort"), root + "FormInit\\ComPort");
    EXPECT_EQ(SettingsStore::buildPath("VQ72_OSD", "", "ComPort"), root + "VQ72_OSD\\ComPort");
    EXPECT_EQ(SettingsStore::buildPath("", "", "ComPort"), root + "ComPort");
}

TEST(SettingsStoreRead, MissingValueYieldsDefaultAndWritesItBack) {
    test::FakeSettingsBacking backing;
    SettingsStore store(backing);
    EXPECT_EQ(store.GetRegSetting("VQ72_OSD", "FormInit", "LogoSelect", "1"), "1");
    ASSERT_EQ(backing.writes.size(), 1u);
    EXPECT_EQ(backing.writes[0],
              "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\LogoSelect=1");
}

}  // namespace
}  // namespace vq72
