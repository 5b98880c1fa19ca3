// SPDX-License-Identifier: MIT
// One line of a batch file (the format is batch_file.h's): its comma-separated fields read into
// a send request, each problem named.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/send_request.h"

namespace vq72::cli {

inline constexpr const char* kBatchLineForm = "PORT,TEXT[,POSITION[,COLOR]]";

struct BatchLine {
    enum class Kind { Skipped, Header, Entry };

    Kind kind = Kind::Skipped;  // Skipped: blank or a comment
    SendRequest request;        // for an entry: its port or device, text, position and colour
    std::vector<std::string> problems;  // for an entry: why it cannot be sent; empty when good
};

// `line` without its line end. `first`: no line before it was taken, so it may be the header.
BatchLine parseBatchLine(std::string_view line, bool first);

}  // namespace vq72::cli
