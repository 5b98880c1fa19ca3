// SPDX-License-Identifier: MIT
// Contact details shown by the About window: the maker's (picture labels, link labels, frame tool
// tip) and the developer's (credits block). Reserved example values only.
#pragma once

namespace vq72::about {

inline constexpr const char* kMakerPhone = "(555) 010-0172";
inline constexpr const char* kMakerEmail = "sales@example.com";
inline constexpr const char* kMakerWeb = "https://www.example.com";

inline constexpr const char* kDeveloperPhone = "(555) 010-0199";
inline constexpr const char* kDeveloperWeb = "pendric.example.com";
inline constexpr const char* kDeveloperEmail = "info@pendric.example.com";

}  // namespace vq72::about
