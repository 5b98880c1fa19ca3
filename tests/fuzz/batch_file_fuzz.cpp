// The batch file reader. Besides the sanitizers: a file is refused exactly when it passes a
// bound (counted here on its own), and then nothing is taken; otherwise lines are taken in
// order, each once, each for a port or a usable device (a network entry that parses) and a send
// the device can take, no two for one port or device; no problem shows a control character; a
// file with no line taken has a problem.
#include <cstdint>
#include <set>
#include <sstream>

#include "cli/batch_file.h"
#include "fuzz/request_checks.h"

namespace {

bool passesABound(std::string_view file) {
    using namespace vq72::cli;
    if (file.size() > kBatchFileBytes) return true;
    int lines = 0;
    for (std::size_t at = 0; at < file.size(); ++lines) {
        const std::size_t end = std::min(file.find('\n', at), file.size());
        std::string_view line = file.substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.size() > kBatchLineBytes || lines == kBatchLines) return true;
        at = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vq72;
    const std::string file(reinterpret_cast<const char*>(data), size);
    std::istringstream in(file);
    cli::BatchDevices devices(PortMap::parse("1=/dev/one"), [](const std::string& path) {
        return path == "./one" ? "/dev/one" : path;
    });
    const cli::ParsedBatch batch = cli::readBatchFile(in, devices);
    fuzz::check(batch.refusal.empty() != passesABound(file));
    if (!batch.refusal.empty()) {
        fuzz::check(batch.entries.empty() && batch.errors.empty());
        return 0;
    }
    int last = 0;
    std::set<std::string> named;
    for (const cli::BatchEntry& entry : batch.entries) {
        const std::string& device = entry.request.device;
        fuzz::check(entry.lineNumber > last && entry.request.port.has_value() == device.empty() &&
                    (!isNetworkEntry(device) || parseNetworkPort(device).port));
        last = entry.lineNumber;
        fuzz::checkRequest(entry.request);
        const std::string port = entry.request.port ? std::to_string(*entry.request.port) : "";
        const bool one = port == "1" || device == "/dev/one" || device == "./one";
        fuzz::check(named.insert(one ? "one" : port + device).second);
    }
    for (const std::string& error : batch.errors) fuzz::checkPrintable(error);
    fuzz::check(last > 0 || !batch.errors.empty());
    return 0;
}
