// SPDX-License-Identifier: MIT
// The Com menu's port entries mnuCOMsel(1..12): port discovery lists the usable ports in them.
// Each entry's tool tip names its device and, once a VQ72xx has answered on that port in this
// run, says so; the ports it answered on are remembered across rescans of the menu.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "window/control.h"

namespace vq72 {

class ComMenu {
public:
    static constexpr int kEntries = 12;
    static constexpr const char* kAnsweredNote = " - VQ72xx answered here";

    explicit ComMenu(std::vector<Control> entries) : entries_(std::move(entries)) {}

    Control& mnuCOMsel(int index) { return entries_.at(static_cast<std::size_t>(index - 1)); }
    const Control& mnuCOMsel(int index) const {
        return entries_.at(static_cast<std::size_t>(index - 1));
    }
    std::vector<Control>& entries() { return entries_; }

    // The tool tip of an entry that lists `port`, reached at `devicePath`.
    std::string toolTip(int port, const std::string& devicePath) const;
    // A VQ72xx answered on `port`: the entry listing it says so, now and after any rescan.
    void deviceAnswered(int port, const std::string& devicePath);

private:
    std::vector<Control> entries_;
    std::set<int> answeredPorts_;
};

}  // namespace vq72
