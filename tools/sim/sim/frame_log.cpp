// SPDX-License-Identifier: MIT
#include "sim/frame_log.h"

#include <stdexcept>

namespace vq72::sim {

std::string formatLogLine(const Frame& frame) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = kindName(frame.kind);
    for (const char c : frame.bytes) {
        const auto byte = static_cast<unsigned char>(c);
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

FrameLog::FrameLog(const std::string& path) {
    if (path.empty()) return;
    file_.open(path, std::ios::app);
    if (!file_) throw std::runtime_error("cannot open the log file " + path);
}

void FrameLog::add(const Frame& frame) {
    addLine(formatLogLine(frame));
}

void FrameLog::addLine(const std::string& line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
    if (file_.is_open()) file_ << line << std::endl;
}

std::vector<std::string> FrameLog::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::vector<std::string> FrameLog::takeLines() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> taken;
    taken.swap(lines_);
    return taken;
}

}  // namespace vq72::sim
