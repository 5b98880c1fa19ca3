// SPDX-License-Identifier: MIT
// Watches the bytes a device sends back for its acknowledgement: a line, ended by CR, that
// holds "CT-OK" and is not the banner. Bytes without a CR (line noise) never count, and a
// flood without CR keeps only the tail of the line, so memory stays bounded.
#pragma once

#include <cstddef>
#include <string>

namespace vq72::cli {

class AcknowledgementWatch {
public:
    // The longest unfinished line kept (its tail); a reply line is far shorter.
    static constexpr std::size_t kLongestLine = 100;

    // Takes received bytes; returns acknowledged().
    bool take(const std::string& bytes);
    bool acknowledged() const { return acknowledged_; }

private:
    void endLine();

    std::string line_;
    bool acknowledged_ = false;
};

}  // namespace vq72::cli
