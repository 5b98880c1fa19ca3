#include "device/line_settings.h"

#include <gtest/gtest.h>

namespace vq72 {
namespace {

TEST(LineSettings, ReadsBaudParityDataAndStopBits) {
    const auto s = LineSettings::parse("9600,N,8,1");
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->baud, 9600);
    EXPECT_EQ(s->parity, LineSettings::Parity::None);
    EXPECT_EQ(s->dataBits, 8);
    EXPECT_EQ(s->stopBits, LineSettings::StopBits::One);
    const auto t = LineSettings::parse("19200,e,7,1.5");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->parity, LineSettings::Parity::Even);
    EXPECT_EQ(t->stopBits, LineSettings::StopBits::OneAndHalf);
}

}  // namespace
}  // namespace vq72
