// The batch file's rules: what a good line asks for, the lines skipped, and each bad line named
// by its number. (The text's own rules are the sender's, proven with its arguments.)
#include "cli/batch_file.h"

#include <gtest/gtest.h>

namespace vq72::cli {
namespace {

// "LINE: PORT-OR-DEVICE [TEXT] POSITION COLOUR | " for each line taken, then each problem.
std::string readout(const std::string& file) {
    const ParsedBatch batch = parseBatchFile(file);
    std::string out;
    for (const BatchEntry& e : batch.entries) {
        const SendRequest& r = e.request;
        out += std::to_string(e.lineNumber) + ": " + (r.port ? std::to_string(*r.port) : r.device) +
               " [" + r.text + "] " + std::to_string(r.positionIndex) + " " +
               (r.colourIndex ? std::to_string(*r.colourIndex) : "-") + " | ";
    }
    for (const std::string& error : batch.errors) out += error + " | ";
    return out;
}

TEST(BatchFile, TakesGoodLinesSkipsTheRestAndNamesEachBadLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBFport,text,position,color\r\n  # 1,x\n \t\n5, hi ,bottom-right , "
         "black-on-white\r\n",
         "4: 5 [ HI ] 8 1 | "},
        {"com16, \"a,\"\"b\"\"\" ,,white-on-black\n./link,x\x7f\nrfc2217://[::1]:3001,Y,",
         "1: 16 [A,\"B\"] 1 0 | 2: ./link [X] 1 - | 3: rfc2217://[::1]:3001 [Y] 1 - | "},
        {"1,A\nport,A", "1: 1 [A] 1 - | line 2: \"port\" is neither a port number"},
        {"tcp://host,  ",
         "line 1: \"tcp://host\" is not a usable network port: it names no port "
         "(HOST:PORT) | line 1: text \"  \" is only blanks"},
        {"1,A,,red", "line 1: \"red\" is not a colour (white-on-black or black-on-white) | "},
        {"1,A,top-middle", "line 1: \"top-middle\" is not a position (top-left, top-center,"},
        {"1,\"a,b", "line 1: a quoted field has no closing \""},
        {"1,a,b,c,d", "line 1: a line is PORT,TEXT[,POSITION[,COLOR]], not 5 field(s)"},
        {"port,text\n", "the batch file names no device"}};
    for (const auto& [file, start] : cases) {
        EXPECT_EQ(readout(file).substr(0, start.size()), start) << file;
    }
}

}  // namespace
}  // namespace vq72::cli
