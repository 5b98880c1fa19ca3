// The tokens of the device's reply lines: a line holding the banner token is the device's
// greeting and is ignored; otherwise one holding the acknowledgement token acknowledges the
// last command.
#pragma once

namespace vq72::reply_tokens {

inline constexpr const char* kBanner = "(C) Flarn";
inline constexpr const char* kAcknowledgement = "CT-OK";

}  // namespace vq72::reply_tokens
