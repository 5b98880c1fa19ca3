// SPDX-License-Identifier: MIT
#include "cli/acknowledgement_watch.h"

#include "device/osd_frame.h"
#include "device/reply_tokens.h"

namespace vq72::cli {

bool AcknowledgementWatch::take(const std::string& bytes) {
    for (const char c : bytes) {
        if (c == osd::kCR) {
            endLine();
            continue;
        }
        line_.push_back(c);
        if (line_.size() > kLongestLine) line_.erase(0, line_.size() - kLongestLine);
    }
    return acknowledged_;
}

void AcknowledgementWatch::endLine() {
    const bool banner = line_.find(reply_tokens::kBanner) != std::string::npos;
    if (!banner && line_.find(reply_tokens::kAcknowledgement) != std::string::npos) {
        acknowledged_ = true;
    }
    line_.clear();
}

}  // namespace vq72::cli
