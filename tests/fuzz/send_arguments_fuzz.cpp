// The sender's command line, the input split into arguments at NUL bytes. Besides the
// sanitizers: a refusal shows no control character, and a send it takes is one the device can
// take, on a port or a device but not both.
#include <cstdint>

#include "fuzz/request_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) arguments.emplace_back();
        if (data[i] != 0) arguments.back() += static_cast<char>(data[i]);
    }
    const vq72::cli::ParsedSendArguments parsed = vq72::cli::parseSendArguments(arguments);
    vq72::fuzz::checkPrintable(parsed.error);
    const vq72::cli::SendRequest& r = parsed.request;
    if (parsed.error.empty() && r.mode == vq72::cli::SendRequest::Mode::Send) {
        vq72::fuzz::check(!(r.port && !r.device.empty()));
        vq72::fuzz::checkRequest(r);
    }
    return 0;
}
