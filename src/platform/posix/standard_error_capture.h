// SPDX-License-Identifier: MIT
// What a library call writes to standard error on its own, taken instead of shown, so that the
// program can say it in its own words.
#pragma once

#include <functional>
#include <string>

namespace vq72::posix {

// Runs `call` with standard error going to a pipe and returns the first 4 KiB that it wrote
// (writes beyond the pipe's room fail instead of blocking). Standard error is as before
// afterwards.
std::string capturingStandardError(const std::function<void()>& call);

}  // namespace vq72::posix
