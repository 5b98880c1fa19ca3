// SPDX-License-Identifier: MIT
// Port numbers 1..16 to devices. The default table is the platform's; entries can be replaced
// from the settings store's "Ports" section, and VQ72_OSD_PORTS replaces the whole map.
// Entries that cannot be used are left out and named in problems(), so that a user's choice is
// never lost without a word.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/settings_backing.h"

namespace vq72 {

class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 16;
    static constexpr const char* kEnvironmentVariable = "VQ72_OSD_PORTS";
    static constexpr const char* kSection = "Ports";  // of the program's settings

    // The platform's default table (Linux: 1-4 ttyS0-3, 5-8 ttyUSB0-3, 9-12 ttyACM0-3, 13-16
    // ttyS4-7).
    static PortMap defaults();
    // Only the entries named in "5=/dev/ttyUSB0,6=/dev/pts/7"; `source` names the text in
    // problems().
    static PortMap parse(const std::string& text, const std::string& source = kEnvironmentVariable);
    // The map a run uses: `environment` (the variable's value) when set, else the defaults with
    // the "Ports" section's entries read through `backing`, without writing anything back.
    static PortMap forRun(const char* environment, SettingsBacking& backing);

    // The device for a port number; empty when the number is outside 1..16 or has no entry.
    std::string device(int port) const;
    void set(int port, const std::string& device);
    // One line per entry left out, naming the entry, where it came from and why.
    const std::vector<std::string>& problems() const { return problems_; }

private:
    void setEntry(const std::string& number, const std::string& device, const std::string& source);

    std::array<std::string, kLastPort + 1> devices_{};
    std::vector<std::string> problems_;
};

}  // namespace vq72
