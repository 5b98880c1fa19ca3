// The Com menu's port entries mnuCOMsel(1..12): port discovery lists the usable ports in them.
#pragma once

#include <utility>
#include <vector>

#include "window/control.h"

namespace vq72 {

class ComMenu {
public:
    static constexpr int kEntries = 12;

    explicit ComMenu(std::vector<Control> entries) : entries_(std::move(entries)) {}

    Control& mnuCOMsel(int index) { return entries_.at(static_cast<std::size_t>(index - 1)); }
    const Control& mnuCOMsel(int index) const {
        return entries_.at(static_cast<std::size_t>(index - 1));
    }
    std::vector<Control>& entries() { return entries_; }

private:
    std::vector<Control> entries_;
};

}  // namespace vq72
