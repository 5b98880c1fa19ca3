// SPDX-License-Identifier: MIT
#include "fault_plan.h"

#include <array>

namespace vq72::soak {
namespace {

const std::set<std::string> kDone{"Done"};
const std::set<std::string> kDoneOrUnanswered{"Done", "No Reply", "No Device", "No Com Port"};
const std::set<std::string> kUnanswered{"No Reply", "No Device", "No Com Port"};
const std::set<std::string> kDoneOrNoPort{"Done", "No Reply", "No Com Port"};
const std::set<std::string> kNoPort{"No Com Port"};

const std::array<const char*, 5> kNotices{"BG001M", "Time=12:00:00", "BGERA", "BGERR",
                                          "VQ7240 READY"};

}  // namespace

const char* faultName(Fault fault) {
    static constexpr std::array<const char*, kFaultKinds> kNames{
        "none", "delay", "paced", "noise", "notice", "short", "silence", "vanish", "unplug"};
    return kNames[static_cast<std::size_t>(fault)];
}

const std::set<std::string>& acceptedEndings(Fault fault) {
    // In the order of Fault: none, delay, paced, noise, notice, short, silence, vanish, unplug.
    static const std::array<const std::set<std::string>*, kFaultKinds> kEndings{
        &kDone,       &kDone,         &kDone,  &kDone, &kDone, &kDoneOrUnanswered,
        &kUnanswered, &kDoneOrNoPort, &kNoPort};
    return *kEndings[static_cast<std::size_t>(fault)];
}

sim::Options deviceOptions(Fault fault, std::mt19937& random) {
    sim::Options options;
    switch (fault) {
        case Fault::Delay:
            options.replyDelay =
                std::chrono::milliseconds(std::uniform_int_distribution<int>(20, 300)(random));
            break;
        case Fault::Paced:
            options.pace = true;
            break;
        case Fault::Noise:
            options.garbage = true;
            break;
        case Fault::Notice:
            options.notices = {kNotices[std::uniform_int_distribution<std::size_t>(
                0, kNotices.size() - 1)(random)]};
            break;
        case Fault::Short:
            options.shortReply = true;
            break;
        case Fault::Silence:
            options.silent = true;
            break;
        case Fault::Vanish:
            options.vanishAfter = 1;
            options.returnAfter = std::chrono::milliseconds(200);
            break;
        case Fault::None:
        case Fault::Unplug:
            break;
    }
    return options;
}

Fault drawFault(std::mt19937& random, bool realTime) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(random);
    if (realTime) {
        if (roll < 40) return Fault::None;
        if (roll < 70) return Fault::Paced;
        return Fault::Delay;
    }
    // Per hundred: a clean majority, then each fault.
    static const std::array<std::pair<int, Fault>, 8> kShares{{{50, Fault::None},
                                                               {62, Fault::Delay},
                                                               {69, Fault::Noise},
                                                               {77, Fault::Notice},
                                                               {84, Fault::Short},
                                                               {90, Fault::Silence},
                                                               {95, Fault::Vanish},
                                                               {100, Fault::Unplug}}};
    for (const auto& [below, fault] : kShares) {
        if (roll < below) return fault;
    }
    return Fault::None;
}

}  // namespace vq72::soak
