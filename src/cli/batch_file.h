// SPDX-License-Identifier: MIT
// A batch file of vq72-osd-send: one device a line, PORT,TEXT[,POSITION[,COLOR]].
//
// PORT is a port number of the port map ("5" or "COM5") or a device: a path holding a "/"
// ("/dev/ttyUSB0", "./link") or a network entry ("tcp://HOST:PORT", "rfc2217://HOST:PORT").
// TEXT follows the rules of the sender's TEXT; POSITION and COLOR take the names of --position
// and --color, and an empty one means the default. A field that starts with a double quote runs
// to the next lone double quote, so it may hold commas; "" inside it is one double quote. Blank
// lines and lines starting with "#" are skipped, and so is a header: a first line whose first
// field holds no digit, "/" or ":" (such as port,text,position,color). Two lines that lead to
// the same device are a bad line.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "cli/batch_devices.h"
#include "cli/send_request.h"

namespace vq72::cli {

// A file that passes one of these bounds (/dev/zero, an endless pipe, a file that is no batch
// file) is refused where it passes it, and not read on.
inline constexpr std::size_t kBatchFileBytes = 1024 * 1024;
inline constexpr int kBatchLines = 10000;
inline constexpr std::size_t kBatchLineBytes = 4096;  // its line end ("\n", "\r\n") not counted

struct BatchEntry {
    int lineNumber = 0;
    // The port (port) or the device (device) to send to, and the text, position and colour.
    SendRequest request;
};

struct ParsedBatch {
    std::vector<BatchEntry> entries;
    // "line 3: ..." for each problem, in line order; a file with no entry has one as well.
    std::vector<std::string> errors;
    // Why the file is refused when it passed a bound; then entries and errors are empty.
    std::string refusal;
};

// Reads the batch file from `in` line by line, up to its end, a read error (which the caller
// finds in `in`) or the first bound passed. `devices` says which device each line leads to.
ParsedBatch readBatchFile(std::istream& in, BatchDevices& devices);

}  // namespace vq72::cli
