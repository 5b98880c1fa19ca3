// How a failed open becomes the failure the logic tells apart.
#include "platform/qt/open_failure.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/serial_control.h"

namespace vq72 {
namespace {

struct OpenCase {
    const char* name;
    OpenAttempt attempt;
    long number;
    const char* message;  // a part of the description
};

class OpenFailureTest : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailureTest, MapsToItsNumberAndMessage) {
    const OpenCase& c = GetParam();
    const Failure failure = openFailure(c.attempt);
    EXPECT_EQ(failure.number(), c.number);
    EXPECT_NE(failure.description().find(c.message), std::string::npos) << failure.description();
}

OpenAttempt attempt(int error, bool denied, bool accessible, bool notFound = false) {
    return {"/dev/ttyUSB0", error, "platform says no", denied, notFound, accessible};
}

INSTANTIATE_TEST_SUITE_P(
    OpenFailures, OpenFailureTest,
    testing::Values(
        OpenCase{"NoUartBehindTheNode", attempt(EIO, false, true), comm_error::kNoSuchPort,
                 "/dev/ttyUSB0 is not a usable serial port (platform says no)"},
        OpenCase{"LockedOrExclusive", attempt(ENOENT, true, true), comm_error::kPortInUse,
                 "/dev/ttyUSB0 is in use by another program."},
        OpenCase{"NotAllowed", attempt(EACCES, true, false), kOtherOpenFailureBase + EACCES,
                 "Permission denied on /dev/ttyUSB0 (add your user to the dialout group: sudo "
                 "usermod -aG dialout $USER, then log in again)"},
        OpenCase{"Other", attempt(EINVAL, false, true), kOtherOpenFailureBase + EINVAL,
                 "Cannot open /dev/ttyUSB0: platform says no."}),
    [](const testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST(UnusablePortFailure, NamesPortsWithoutDevicePathsThatAreMissingAndNonDevices) {
    EXPECT_EQ(unusablePortFailure(3, "")->number(), comm_error::kNoSuchPort);
    EXPECT_NE(unusablePortFailure(3, "")->description().find("COM3"), std::string::npos);
    EXPECT_EQ(unusablePortFailure(1, "/nonexistent/tty")->number(), comm_error::kNoSuchPort);
    EXPECT_EQ(unusablePortFailure(1, "/etc/hostname")->number(), comm_error::kNoSuchPort);
    EXPECT_FALSE(unusablePortFailure(1, "/dev/null").has_value());  // a device: try it
}

}  // namespace
}  // namespace vq72
