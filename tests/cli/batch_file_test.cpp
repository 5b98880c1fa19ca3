// SPDX-License-Identifier: MIT
// The batch file's rules: what a good line asks for, the lines skipped, each bad line named by
// its number, a device named twice, and the bounds on a file. (The text's own rules are the
// sender's, proven with its arguments.)
#include "cli/batch_file.h"
#include "cli/batch_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vq72::cli {
namespace {

// Port 5 and the link ./usb lead to one adapter, 7 to a network port, 8 to nothing.
BatchDevices testDevices() {
    return BatchDevices(PortMap::parse("5=/dev/ttyUSB0,7=tcp://h:1"), [](const std::string& path) {
        return path == "./usb" ? std::string("/dev/ttyUSB0") : path;
    });
}

// "LINE: PORT-OR-DEVICE [TEXT] POSITION COLOUR | " for each line taken, then each problem, or
// the refusal; `read`: the bytes read, SIZE_MAX once the end was reached.
std::string readout(const std::string& file, std::size_t* read = nullptr) {
    std::istringstream in(file);
    BatchDevices devices = testDevices();
    const ParsedBatch batch = readBatchFile(in, devices);
    if (read) *read = static_cast<std::size_t>(in.tellg());
    std::string out = batch.refusal;
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
    const std::string long50(50, 'p');
    const std::string positions =
        " is not a position (top-left, top-center, top-right, middle-left, middle-center, "
        "middle-right, bottom-left, bottom-center or bottom-right) | ";
    const std::string again =
        " already: give each device one line (the later text would "
        "replace the earlier) | ";
    const std::pair<std::string, std::string> cases[] = {
        {"port,text,position,color\r\n  # 1,x\n \t\n5, hi ,bottom-right , "
         "black-on-white\r\n",
         "4: 5 [ HI ] 8 1 | "},
        {"\xEF\xBB\xBF"
         "com16, \"a,\"\"b\"\"\" ,,white-on-black\n./link,x\x7f\nrfc2217://[::1]:3001,Y,",
         "1: 16 [A,\"B\"] 1 0 | 2: ./link [X] 1 - | 3: rfc2217://[::1]:3001 [Y] 1 - | "},
        {"1,A\nport,A",
         "1: 1 [A] 1 - | line 2: \"port\" is neither a port number 1 to 16 (5 or COM5) nor a "
         "device (a path such as /dev/ttyUSB0 or ./link, tcp://HOST:PORT or rfc2217://HOST:PORT) "
         "| "},
        {"tcp://host,  ",
         "line 1: \"tcp://host\" is not a usable network port: it names no port "
         "(HOST:PORT) | line 1: text \"  \" is only blanks: give a text the device can show | "},
        {"1,A,,red", "line 1: \"red\" is not a colour (white-on-black or black-on-white) | "},
        {"1,A,\x1b" + long50, "line 1: \"\\x1B" + long50.substr(0, 39) + "...\"" + positions},
        {"1,\"a,b", "line 1: a quoted field has no closing \" (a quote inside it is \"\") | "},
        {"1,a,b,c,d",
         "line 1: a line is PORT,TEXT[,POSITION[,COLOR]], not 5 field(s) (put a text with a "
         "comma in double quotes: \"a,b\") | "},
        {"port,text\n",
         "the batch file names no device: each line is PORT,TEXT[,POSITION[,COLOR]] | "},
        // One device on two lines, by whichever of its names.
        {"./usb,a\n5,b",
         "1: ./usb [A] 1 - | line 2: COM5 (/dev/ttyUSB0) is the device of line 1" + again},
        {"7,a\ntcp://h:1,b", "1: 7 [A] 1 - | line 2: tcp://h:1 is the device of line 1" + again},
        {"8,a\n8,b", "1: 8 [A] 1 - | line 2: COM8 is the device of line 1" + again}};
    for (const auto& [file, expected] : cases) EXPECT_EQ(readout(file), expected) << file;
}

// --batch --dry-run: each line's frame, named as the sending would name its device; what the
// sending prints in JSON.
TEST(BatchFile, DryRunGivesEachLinesFrameAndTheReportsJson) {
    std::istringstream in(
        "5,hello,,white-on-black\n\"./a\"\"b\",  ab ,bottom-right,black-on-white");
    BatchDevices devices = testDevices();
    const std::vector<BatchEntry> entries = readBatchFile(in, devices).entries;
    const std::string hello =
        "43 54 54 14 20 20 20 20 20 20 20 48 45 4C 4C 4F 20 20 20 20 20 20 20 20 10 31 32 06 33 "
        "06 34 06 37 13 0D 0A";
    const std::string ab =
        "43 54 54 14 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 41 "
        "42 10 33 33 06 33 06 34 06 38 13 0D 0A";
    const PortMap map = PortMap::parse("5=/dev/ttyUSB0");
    EXPECT_EQ(batchFrames(entries, map, false),
              "line 1: COM5 (/dev/ttyUSB0): " + hello + "\nline 2: ./a\"b: " + ab + "\n");
    const std::string com5 = R"({"line":1,"port":"COM5","device":"/dev/ttyUSB0",)";
    EXPECT_EQ(batchFrames(entries, map, true),
              com5 + R"("frame":")" + hello + "\"}\n" +
                  R"({"line":2,"port":null,"device":"./a\"b","frame":")" + ab + "\"}\n");
    EXPECT_EQ(batchResultJson(1, batchTarget(entries[0].request, map), {kExitNoReply, "a\nb"}),
              com5 + R"("result":"no reply","message":"a\nb"})");
    BatchTally tally;
    for (const int status : {kExitDone, kExitPortUnusable, kExitDone}) tally.add({status, ""});
    EXPECT_EQ(tally.summaryJson(), R"({"devices":3,"done":2,"no_reply":0,"port_unusable":1})");
}

// `bytes` bytes of comment lines, each as long as a line may be.
std::string comments(std::size_t bytes) {
    std::string lines;
    while (lines.size() < bytes) {
        lines += std::string(std::min(kBatchLineBytes, bytes - lines.size() - 1), '#') + "\n";
    }
    return lines;
}

// Each bound taken in full; one byte or line more refused, with no more read than that.
TEST(BatchFile, RefusesAFileThatPassesABoundWithoutReadingOn) {
    const std::string good = "1,A\n";
    const std::string taken = "1: 1 [A] 1 - | ";
    const std::string longLine =
        "line 2 of the batch file is longer than 4096 bytes: nothing sent (is it a batch file? "
        "each line is PORT,TEXT[,POSITION[,COLOR]])";
    const std::string split = ": nothing sent (split it into smaller files)";
    const std::string full(kBatchLineBytes, '#');
    const std::size_t pastLine = good.size() + kBatchLineBytes + 2;
    // Its last byte, the 1 MiB-th, ends an entry.
    const std::string full1MiB = comments(kBatchFileBytes - 4) + "1,AB";
    const struct {
        std::string file;
        std::string readout;
        std::size_t read;  // bytes read at most
    } cases[] = {
        {good + full + "\r\n" + full, taken, SIZE_MAX},
        {good + full + "#\n", longLine, pastLine},
        {good + full + "\r#", longLine, pastLine},
        {full1MiB,
         std::to_string(std::count(full1MiB.begin(), full1MiB.end(), '\n') + 1) + ": 1 [AB] 1 - | ",
         SIZE_MAX},
        {good + comments(kBatchFileBytes - good.size() + 1),
         "the batch file is larger than 1048576 bytes" + split, kBatchFileBytes + 1},
        {good + std::string(kBatchLines - 2, '\n') + "2,B", taken + "10000: 2 [B] 1 - | ",
         SIZE_MAX},
        {good + std::string(1 << 21, '\n'), "the batch file has more than 10000 lines" + split,
         good.size() + kBatchLines}};
    for (const auto& c : cases) {
        std::size_t read = 0;
        EXPECT_EQ(readout(c.file, &read), c.readout) << c.file.size();
        EXPECT_LE(read, c.read) << c.file.size();
    }
}

}  // namespace
}  // namespace vq72::cli
