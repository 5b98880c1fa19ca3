// The batch file reader. Besides the sanitizers: lines are taken in order, each once, each for
// a port or a usable device (a network entry that parses) and a send the device can take; no
// problem shows a control character; a file with no line taken has a problem.
#include <cstdint>

#include "cli/batch_file.h"
#include "fuzz/request_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vq72;
    const cli::ParsedBatch batch =
        cli::parseBatchFile(std::string_view(reinterpret_cast<const char*>(data), size));
    int last = 0;
    for (const cli::BatchEntry& entry : batch.entries) {
        const std::string& device = entry.request.device;
        fuzz::check(entry.lineNumber > last && entry.request.port.has_value() == device.empty() &&
                    (!isNetworkEntry(device) || parseNetworkPort(device).port));
        last = entry.lineNumber;
        fuzz::checkRequest(entry.request);
    }
    for (const std::string& error : batch.errors) fuzz::checkPrintable(error);
    fuzz::check(last > 0 || !batch.errors.empty());
    return 0;
}
