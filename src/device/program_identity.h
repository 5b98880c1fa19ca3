// The program's title, which also names its settings, and the settings section of the main
// window.
#pragma once

namespace vq72 {

inline constexpr const char* kAppTitle = "VQ72_OSD";
inline constexpr const char* kFormInitSection = "FormInit";

}  // namespace vq72
