// SPDX-License-Identifier: MIT
// The device's record of the frames it received: one line per frame, its kind, a blank and its
// bytes in upper-case hexadecimal separated by blanks ("CTS 43 54 53"), and lines of other news
// such as "LINE 9600,N,8,1". Appended to a file when
// one is given (flushed line by line) and kept in memory; safe to use from any thread.
#pragma once

#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "sim/frame.h"

namespace vq72::sim {

std::string formatLogLine(const Frame& frame);

class FrameLog {
public:
    // An empty path keeps the log in memory only. Throws std::runtime_error when the file
    // cannot be opened for appending.
    explicit FrameLog(const std::string& path = {});

    void add(const Frame& frame);
    // A line of its own between the frames ("LINE 9600,N,8,1").
    void addLine(const std::string& line);
    std::vector<std::string> lines() const;
    // The lines kept in memory, which are then forgotten (the file keeps them all).
    std::vector<std::string> takeLines();

private:
    mutable std::mutex mutex_;
    std::ofstream file_;
    std::vector<std::string> lines_;
};

}  // namespace vq72::sim
