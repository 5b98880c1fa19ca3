// SPDX-License-Identifier: MIT
// The program's identity: its title, which also names its settings, the root every settings
// path starts with, and the settings section of the main window.
#pragma once

namespace vq72 {

inline constexpr const char* kAppTitle = "VQ72_OSD";
inline constexpr const char* kSettingsRoot = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\";
inline constexpr const char* kFormInitSection = "FormInit";

}  // namespace vq72
