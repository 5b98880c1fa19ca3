// SPDX-License-Identifier: MIT
#include "about/about_texts.h"

#include "about/about_contacts.h"

namespace vq72::about {
namespace {
constexpr const char* kCopyrightSign = "\xC2\xA9";
constexpr const char* kLineEnd = "\r\n";
}  // namespace

std::string versionLine(int major, int minor, int revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision) + "  " + kCopyrightSign + " Flarn";
}

std::string credits(const std::string& versionLine) {
    std::string text;
    for (const char* line : {"Software Developed by:", "Pendric Innovations", kDeveloperPhone,
                             kDeveloperWeb, kDeveloperEmail}) {
        text += line;
        text += kLineEnd;
    }
    return text + versionLine;
}

}  // namespace vq72::about
