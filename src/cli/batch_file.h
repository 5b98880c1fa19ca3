// A batch file of vq72-osd-send: one device a line, PORT,TEXT[,POSITION[,COLOR]].
//
// PORT is a port number of the port map ("5" or "COM5") or a device: a path holding a "/"
// ("/dev/ttyUSB0", "./link") or a network entry ("tcp://HOST:PORT", "rfc2217://HOST:PORT").
// TEXT follows the rules of the sender's TEXT; POSITION and COLOR take the names of --position
// and --color, and an empty one means the default. A field that starts with a double quote runs
// to the next lone double quote, so it may hold commas; "" inside it is one double quote. Blank
// lines and lines starting with "#" are skipped, and so is a header: a first line whose first
// field holds no digit, "/" or ":" (such as port,text,position,color).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/send_request.h"

namespace vq72::cli {

struct BatchEntry {
    int lineNumber = 0;
    // The port (port) or the device (device) to send to, and the text, position and colour.
    SendRequest request;
};

struct ParsedBatch {
    std::vector<BatchEntry> entries;
    // "line 3: ..." for each problem, in line order; a file with no entry has one as well.
    std::vector<std::string> errors;
};

ParsedBatch parseBatchFile(std::string_view contents);

}  // namespace vq72::cli
