// SPDX-License-Identifier: MIT
// The file the window writes its trace of the port's traffic to (VQ72_OSD_TRACE): appended to,
// created with mode 0600, and refused when other users could read it or when it is no plain
// file (a link, a device), since the trace holds everything said to the device.
#pragma once

#include <string>

namespace vq72::posix {

class TraceFile {
public:
    // Opens `path`; error() says why when it cannot.
    explicit TraceFile(const std::string& path);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Empty when the file is open; else the program's words for why not, naming the path.
    const std::string& error() const { return error_; }
    // Appends `line` and a line end; a failed write is dropped, the program runs on.
    void write(const std::string& line);

private:
    int fd_ = -1;
    std::string error_;
};

}  // namespace vq72::posix
