// SPDX-License-Identifier: MIT
// The faults of the soak, drawn from a fixed seed, and what each one allows a transfer to end
// with. A transfer ends at the first of "Done", "No Reply", "No Com Port" or "No Device".
#pragma once

#include <random>
#include <set>
#include <string>

#include "sim/options.h"

namespace vq72::soak {

enum class Fault {
    None,     // the device answers at once
    Delay,    // the answer comes 20 to 300 ms late
    Paced,    // 9600 baud both ways (driven in real time only)
    Noise,    // line noise reached the program just before the transfer
    Notice,   // a notice line follows the answer
    Short,    // "CT-OK" CR LF: a batch under 11 bytes, which the program drops
    Silence,  // no answer at all
    Vanish,   // the port disappears right after the answer and comes back 200 ms later
    Unplug,   // the port is gone when "SAVE" is pressed, and comes back afterwards
};
inline constexpr int kFaultKinds = 9;

const char* faultName(Fault fault);

// The endings a transfer under `fault` may have. An answered command must show "Done"; a
// command that cannot be answered must say why ("No Reply" when its answer never came in time,
// "No Device" after the device's silence, "No Com Port" when the port went or the watchdog
// closed it); a short answer may be dropped or joined to the next one, and an answer may be
// lost with a vanishing port.
const std::set<std::string>& acceptedEndings(Fault fault);

// The simulated device's options for a fault (Unplug and Noise are done by the soak itself).
sim::Options deviceOptions(Fault fault, std::mt19937& random);

// Draws the next fault; `realTime` transfers draw only from the faults whose timing matters.
Fault drawFault(std::mt19937& random, bool realTime);

}  // namespace vq72::soak
