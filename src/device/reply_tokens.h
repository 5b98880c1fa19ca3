// SPDX-License-Identifier: MIT
// The tokens of the device's reply lines: a line holding the banner token is the device's
// greeting and is ignored; otherwise one holding the acknowledgement token acknowledges the
// last command. The presence question is the command a device of the family always
// acknowledges.
#pragma once

namespace vq72::reply_tokens {

inline constexpr const char* kBanner = "(C) Flarn";
inline constexpr const char* kAcknowledgement = "CT-OK";
inline constexpr const char* kPresenceQuestion = "CTS";

}  // namespace vq72::reply_tokens
