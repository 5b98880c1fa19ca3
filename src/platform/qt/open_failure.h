// SPDX-License-Identifier: MIT
// Why a serial port did not open, as the failure the logic tells apart: kNoSuchPort (no usable
// device at that path), kPortInUse (another program holds it), or kSystemErrorBase + errno for
// anything else (platform/failure_numbers.h), with a message in the program's words that keeps
// the platform's text.
#pragma once

#include <optional>
#include <string>

#include "platform/failure.h"

namespace vq72 {

// What is known about a failed open: the path, the system error right after the attempt
// (0 when none), the platform's text, whether the serial layer called it a permission problem,
// and whether we may read and write the path (a busy port is accessible, a forbidden one not).
struct OpenAttempt {
    std::string path;
    int systemError = 0;
    std::string platformText;
    bool deniedBySerialLayer = false;
    bool notFoundBySerialLayer = false;
    bool accessible = true;
};

Failure openFailure(const OpenAttempt& attempt);

// The failures found before any attempt: no device for the number, a missing path, a path that
// is not a character device. Nothing when the path may be tried.
std::optional<Failure> unusablePortFailure(int port, const std::string& path);

}  // namespace vq72
