// SPDX-License-Identifier: MIT
// The texts the About window writes at load: the version line and the credits block.
// Texts are UTF-8 (the version line holds the sign ©).
#pragma once

#include <string>

namespace vq72::about {

// "Version 1.3.15  © Flarn": two blanks after the revision, one after the sign.
std::string versionLine(int major, int minor, int revision);
// Six lines joined by CR LF, the version line last.
std::string credits(const std::string& versionLine);

}  // namespace vq72::about
