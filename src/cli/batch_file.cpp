// SPDX-License-Identifier: MIT
#include "cli/batch_file.h"

#include <string_view>

#include "cli/batch_line.h"

namespace vq72::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kSplitIt = "split it into smaller files";

// Takes the lines of a batch file one after the other.
class BatchBuilder {
public:
    explicit BatchBuilder(BatchDevices& devices) : devices_(devices) {}

    void take(int lineNumber, std::string_view line) {
        if (lineNumber == 1 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            line.remove_prefix(kByteOrderMark.size());
        }
        BatchLine parsed = parseBatchLine(line, first_);
        if (parsed.kind == BatchLine::Kind::Skipped) return;
        first_ = false;
        if (parsed.kind == BatchLine::Kind::Header) return;
        // A line with other problems is checked too, so that one run names every problem.
        if (parsed.request.port || !parsed.request.device.empty()) {
            std::string duplicate = devices_.take(lineNumber, parsed.request);
            if (!duplicate.empty()) parsed.problems.push_back(std::move(duplicate));
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        for (const std::string& problem : parsed.problems) batch_.errors.push_back(where + problem);
        if (parsed.problems.empty())
            batch_.entries.push_back({lineNumber, std::move(parsed.request)});
    }

    ParsedBatch finish() {
        if (batch_.entries.empty() && batch_.errors.empty()) {
            batch_.errors.push_back("the batch file names no device: each line is " +
                                    std::string(kBatchLineForm));
        }
        return std::move(batch_);
    }

private:
    BatchDevices& devices_;
    ParsedBatch batch_;
    bool first_ = true;
};

// The lines of a batch file, read byte by byte so that no more than a bound is ever read.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line into `line`, its line end removed; false at the end of the input. Stops
    // early, with the line cut, once the line is longer than kBatchLineBytes (one byte more is
    // room for the "\r" of a "\r\n") or the file is longer than kBatchFileBytes.
    bool next(std::string& line) {
        line.clear();
        bool ended = false;
        for (auto c = in_.get(); c != std::istream::traits_type::eof(); c = in_.get()) {
            if (++bytes_ > kBatchFileBytes) return true;
            if (c == '\n') {
                ended = true;
                break;
            }
            line += static_cast<char>(c);
            if (line.size() > kBatchLineBytes + 1) return true;
        }
        const bool read = ended || !line.empty();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return read;
    }

    std::size_t bytes() const { return bytes_; }

private:
    std::istream& in_;
    std::size_t bytes_ = 0;
};

ParsedBatch refused(const std::string& why, const std::string& whatToDo) {
    ParsedBatch batch;
    batch.refusal = why + ": nothing sent (" + whatToDo + ")";
    return batch;
}

}  // namespace

ParsedBatch readBatchFile(std::istream& in, BatchDevices& devices) {
    LineReader reader(in);
    BatchBuilder builder(devices);
    std::string line;
    for (int lineNumber = 1; reader.next(line); ++lineNumber) {
        if (reader.bytes() > kBatchFileBytes) {
            return refused(
                "the batch file is larger than " + std::to_string(kBatchFileBytes) + " bytes",
                kSplitIt);
        }
        if (lineNumber > kBatchLines) {
            return refused("the batch file has more than " + std::to_string(kBatchLines) + " lines",
                           kSplitIt);
        }
        if (line.size() > kBatchLineBytes) {
            return refused("line " + std::to_string(lineNumber) +
                               " of the batch file is longer than " +
                               std::to_string(kBatchLineBytes) + " bytes",
                           std::string("is it a batch file? each line is ") + kBatchLineForm);
        }
        builder.take(lineNumber, line);
    }
    return builder.finish();
}

}  // namespace vq72::cli
