#include "platform/network/network_connector.h"

#include <dlfcn.h>

#include <cerrno>

#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72::network {

std::unique_ptr<NetworkConnection> NetworkConnector::connect(const NetworkPort& server,
                                                             std::function<void()> onChange) {
    if (connect_ == nullptr) {
        // Never unloaded: gensio's event thread runs in the module until the program ends.
        const std::string path = folder_ + "/" + kModuleFileName;
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* entry = module != nullptr ? ::dlsym(module, kConnectFunctionName) : nullptr;
        if (entry == nullptr) {
            const char* reason = ::dlerror();
            throw Failure(failure_number::kSystemErrorBase + ENOENT,
                          "Network serial ports cannot be used: " +
                              std::string(reason != nullptr ? reason : path) +
                              ". Reinstall the program.");
        }
        connect_ = reinterpret_cast<ConnectFunction>(entry);
    }
    return std::unique_ptr<NetworkConnection>(connect_(server, std::move(onChange)));
}

}  // namespace vq72::network
